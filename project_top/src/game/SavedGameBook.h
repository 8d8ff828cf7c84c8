#pragma once
// SavedGameBook: the game's entries in the current player's roster record:
// the saved game of the controller's mode (offered at the start, loaded,
// written at the start of every house, cleared when the game is over) and
// the high score a finished game enters. Whether a record can be continued
// is the rules' (SavedProgress). Owned by its GameController. Main thread
// only.
struct SavedGame;
class GameController;

class SavedGameBook {
public:
    // game: the controller that owns this (outlives it).
    explicit SavedGameBook(GameController& game);

    // The current player's saved game of the game's mode.
    SavedGame& record() const;
    // At the start of a game: a record that can be continued is offered
    // with the saved-game prompt; one that cannot is cleared.
    void offerOrClear();
    // The record into the game's counters and player data (no multiplier),
    // with a caption.
    void load();
    // The game's counters and player data into the record.
    void save();
    // Marks the record as absent.
    void clear();
    // The game's score into its mode's high-score table; the row goes to the
    // roster for the table to highlight.
    void enterHighScore();

private:
    void showPrompt(const SavedGame& saved);

    GameController& game;
};
