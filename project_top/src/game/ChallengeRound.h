#pragma once
// ChallengeRound: the last house of every neighbourhood, played against the
// clock: one smiley is shown on a cloud, and exactly one smiley of the house
// can be matched with it. This fills such a house, starts its clock (the
// thermometer empties in one second per apartment), judges the one answer
// and ends the house when time runs out. Owned by its GameController, which
// calls it from its hooks. Main thread only.
class GameController;
class KivBase;
class Smiley;

class ChallengeRound {
public:
    // game: the controller that owns this (outlives it).
    explicit ChallengeRound(GameController& game);

    // The shown smiley (the game's challengeSmiley, in its smiley layer) and
    // one smiley per apartment into list: the first can match it, the others
    // cannot.
    void fill(KivBase* list);
    // Play begins: the full thermometer draining, the alarm clock, the arrow
    // at the shown smiley, the hurried music and, once, the help.
    void begin();
    // The player's answer (not null); ends the house.
    void judge(Smiley* answer);
    // One frame (dt seconds): the drain, and the end of the house when the
    // thermometer is empty.
    void drain(double dt);

private:
    GameController& game;
};
