#include "highscores/Module1.h"

#include "platform/Conversions.h"
#include "platform/FileStore.h"
#include "platform/MessageBoxService.h"

#include <QDir>

#include <cstddef>
#include <optional>

namespace highscores {
namespace {

const QString kErrorTitle = QStringLiteral("エラー");

HighScoreTable defaultTable(const QString& name)
{
    return {HighScoreEntry{0, name}, HighScoreEntry{0, name}, HighScoreEntry{0, name}};
}

}  // namespace

Module1::Module1(platform::MessageBoxService& messageBox, platform::FileStore& files, const QString& directory)
    : messageBox_(messageBox), file_(files, directory)
{
}

void Module1::LoadHighScores(HighScoreLabels& labels)
{
    LoadHighScores(labels, messageBox_);
}

void Module1::LoadHighScores(HighScoreLabels& labels, platform::MessageBoxService& messageBox)
{
    const std::optional<HighScoreTable> loaded = file_.load();
    if (!loaded) {
        takeErrorPath(messageBox);
        return;
    }
    setTable(*loaded);
    showTable(labels, table());
}

void Module1::bringIn(const QByteArray& bytes, HighScoreLabels& labels)
{
    if (const std::optional<platform::FileFailure> failure = file_.bringIn(bytes)) {
        reportWriteFailure(*failure, messageBox_);
        return;
    }
    LoadHighScores(labels);
}

void Module1::ClearHighScores(HighScoreLabels& labels)
{
    const auto answer = messageBox_.show(QStringLiteral("ハイスコアをクリアしますか?"),
                                         platform::MessageBoxButtons::OkCancel, QStringLiteral("確認"));
    if (answer != platform::MessageBoxResult::Ok)
        return;
    if (SaveHighScores(replacedBy(defaultTable(kDefaultNameInFile)), messageBox_).failure)
        return;
    setTable(defaultTable(kDefaultNameInMemory));
    showTable(labels, table());
}

SaveResult Module1::SaveHighScores(const TableChange& change, platform::MessageBoxService& messageBox)
{
    SaveResult result = file_.save(table(), change);
    if (result.failure)
        reportWriteFailure(*result.failure, messageBox);
    return result;
}

HighScoreTable Module1::table() const
{
    HighScoreTable table;
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {hiScores[i], hiNames[i]};
    return table;
}

void Module1::showTable(HighScoreLabels& labels, const HighScoreTable& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        labels.setLabel3Caption(nameLabel(i), table[i].name);
        labels.setLabel3Caption(levelLabel(i), platform::numberText(table[i].level));
    }
}

void Module1::takeErrorPath(platform::MessageBoxService& messageBox)
{
    messageBox.show(QStringLiteral("ハイスコアデータが開けませんでした"), platform::MessageBoxButtons::OkOnly,
                    kErrorTitle);
    // The save sets the damaged file aside first, or leaves it as it is.
    SaveHighScores(replacedBy(defaultTable(kDefaultNameInFile)), messageBox);
    setTable(defaultTable(kDefaultNameInMemory));
}

void Module1::setTable(const HighScoreTable& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        hiNames[i] = table[i].name;
        hiScores[i] = table[i].level;
    }
}

// Tells the player which file could not be written, and why.
void Module1::reportWriteFailure(const platform::FileFailure& failure, platform::MessageBoxService& messageBox)
{
    messageBox.show(QStringLiteral("ハイスコアデータを書き込めませんでした\r\n%1\r\n%2")
                        .arg(QDir::toNativeSeparators(failure.path), failure.reason),
                    platform::MessageBoxButtons::OkOnly, kErrorTitle);
}

}  // namespace highscores
