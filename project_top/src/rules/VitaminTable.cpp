#include "rules/VitaminTable.h"

namespace {

const VitaminTable::Row ROWS[VITAMIN_KIND_COUNT] = {
    {"hint", 30, "This vitamin will point out|two random smileys|that can be matched."},
    {"", 0, ""},
    {"multimatch", 80, "This vitamin will match|your current selection with|up to 3 other smileys|simultaneously."},
    {"double score", 150, "This vitamin will double|any points you gain|for the next 30 seconds."},
    {"unlock door", 250, "This vitamin will|unlock one of the doors|so smileys can appear again."},
    {"next step", 50,
     "This vitamin will point out|the correct smiley to select|in order to complete|the puzzle."},
    {"show path", 200, "This vitamin will briefly highlight|the complete solution path|of the current puzzle."},
    {"try again", 150, "This vitamin will allow you|to retry the current puzzle|without losing a life."},
    {"more time", 120, "This vitamin will increase|the thermometer level|by 25%."},
    {"time boost", 200, "This vitamin will increase|the thermometer level|by 50%."},
    {"instant win", 350, "This vitamin will|clear the entire house|and move on to the next one."},
    {"cash out", 350, "This vitamin will|convert your coins|into 250,000 points."},
    {"empty slot", 100, "This vitamin will empty|one thermometer slot,|freeing up space|for an extra smiley."},
    {"extra life", 300, "This vitamin will|give you an extra life."},
};

}

const VitaminTable::Row& VitaminTable::of(int kind)
{
    return ROWS[kind];
}

int VitaminTable::price(int kind, int difficulty)
{
    return static_cast<int>(ROWS[kind].baseCost * (difficulty * 0.5 + 1.0));
}
