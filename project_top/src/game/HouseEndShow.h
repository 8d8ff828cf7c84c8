#pragma once
// HouseEndShow: what the player is shown when a house ends: the statistics
// lines of the house and the popups of the bonuses it earned, laid out in a
// row under them. The numbers are the rules' (HouseStatistics, Scoring);
// the popups credit their own points as they show. Owned by its
// GameController. Main thread only.
class GameController;

class HouseEndShow {
public:
    // game: the controller that owns this (outlives it).
    explicit HouseEndShow(GameController& game);

    // The statistics lines of the house that ended, when its page is shown.
    void showStatistics();
    // The end-of-house bonus popups that are due.
    void awardHouseBonuses();

private:
    GameController& game;
};
