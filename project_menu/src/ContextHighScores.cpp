#include "ContextHighScores.h"

ContextHighScores::ContextHighScores(int shownTable) : table(shownTable)
{
    bDeleteWhenFinished = true;
}

void ContextHighScores::tickContents(double, double)
{
    bFinished = true;
}
