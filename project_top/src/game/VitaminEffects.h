#pragma once
// VitaminEffects: what the vitamins that every mode may offer do to the game
// in play: point out a pair (hint), match the selection with up to three
// partners (multimatch), double the score for a while, fill the thermometer,
// turn coins into points, add a life. The modes handle their own kinds
// before these. Owned by its GameController. Main thread only.
class GameController;

class VitaminEffects {
public:
    // game: the controller that owns this (outlives it).
    explicit VitaminEffects(GameController& game);

    // Applies a VitaminKind; true when used, false when refused (or not one
    // of these kinds).
    bool use(int kind);

private:
    bool pointOutAPair();
    bool matchSelection();

    GameController& game;
};
