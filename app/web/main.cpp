#include "GameRun.h"
#include "web/PageLink.h"

int main(int argc, char* argv[])
{
    return runGame(argc, argv, linkToPage);
}
