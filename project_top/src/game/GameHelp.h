#pragma once
// GameHelp: the texts the game puts up over itself: message boxes, the help
// shown once when the in-game help setting is on, each neighbourhood's
// introduction with its journey map, and now and then a clicked smiley's
// voice. Owned by its GameController; the dialogs it pushes freeze the game
// until they close. Main thread only.
#include <string>

class GameController;
class Skin;

class GameHelp {
public:
    // game: the controller that owns this (outlives it).
    explicit GameHelp(GameController& game);

    // A message box over the game with "pop"; picture may be null.
    void showDialog(const std::string& text, const std::string& title, Skin* picture);
    // showDialog when the in-game help setting is on and *shownFlag is
    // false; then sets *shownFlag. shownFlag must not be null.
    void showHelpOnce(bool* shownFlag, const std::string& text, const std::string& title, Skin* picture);
    // The game's neighbourhood introduced, then the journey map to it.
    void introduceNeighbourhood();
    // Now and then, a clicked smiley's voice.
    void playRandomVoice();

private:
    GameController& game;
};
