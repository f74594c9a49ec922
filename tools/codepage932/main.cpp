// Writes code page 932, as this system's converter reads and writes it, into
// the table file that a Qt without converters of its own (the browser's)
// reads it from: zentap3_codepage932 <table file>
#include "Probes.h"

#include <QSaveFile>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: zentap3_codepage932 <table file>\n", stderr);
        return 2;
    }
    try {
        platform::CodePage932Converter converter;
        platform::CodePage932TableFile table;
        probeReading(converter, table);
        probeWriting(converter, table);
        QSaveFile file(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::WriteOnly) || file.write(table.toBytes()) < 0 || !file.commit())
            fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "zentap3_codepage932: %s\n", error.what());
        return 1;
    }
    return 0;
}
