#pragma once
// GameControllerPuzzle: puzzle mode. Every house is a path puzzle: the
// player connects all its smileys in one chain, starting at a given smiley
// and stepping each time to a matchable smiley in a neighbouring apartment
// (left, right, up or down). The house is built along a stored solution
// path, so one complete chain always exists; a chain that gets stuck costs a
// life and the same puzzle (same solution, kept in MyGlobal's table for the
// whole run) is played again. The chain is drawn as a SolutionPath over the
// house. The mode-selection screen creates it, pushes it and calls
// startGame; as every controller it is a screen that the stack ticks, draws
// and deletes. Main thread only.
#include "game/GameController.h"

class Solution;
class SolutionPath;

class GameControllerPuzzle : public GameController {
public:
    // The drawn path is made here, in the effect layer.
    GameControllerPuzzle();

    // The controller's start, then the vitamins and five lives.
    void startGame() override;
    // The controller's rules, then the end of a finished puzzle.
    void updateGame(double t, double dt) override;
    // A chain in which each smiley can match the one before it and clashes
    // with those just before that.
    void generateSmileys(KivBase* list) override;
    // The i-th smiley of list on the i-th cell of the house's solution.
    void placeSmileys(KivBase* list) override;
    // "next step", "show path" and "try again" here (refused in a challenge
    // round, which has no solution), the others as the controller does.
    bool useVitamin(int kind) override;
    // The neighbourhood's music and, once, the how-to-play help.
    void showHowToPlay() override;
    // The controller's part; puzzles are never made harder.
    void beginNeighbourhood() override;
    // The house's rules, a fresh path and the "start here" arrow.
    void beginPlay() override;
    // Starts the chain at its first smiley, or tries an adjacent smiley.
    void onSmileySelected(Smiley* smiley) override;
    // Extends the chain from a to b (not null); a head left without a
    // matchable neighbour ends the house with a life lost.
    void onMatch(Smiley* a, Smiley* b) override;
    // The penalty, with a popup over b (not null); a stays the head.
    void onMistake(Smiley* a, Smiley* b) override;

    // Smileys of the house not leaving (those still appearing included)
    // in an apartment next to s's that s (not null) can match.
    int countAdjacentPartners(Smiley* s);

    bool howToPlayShown = false;
    bool adjacencyTipShown = false;
    bool lostLifeTipShown = false;
    bool outOfMatchesTipShown = false;
    // The drawn chain; child of effectLayer, owned through the tree.
    SolutionPath* solutionPath = nullptr;

private:
    // The solution of the house being played: MyGlobal's entry for this
    // difficulty and house number, drawn (or drawn again when it does not
    // fit the house) on first use and kept for the rest of the run.
    Solution* houseSolution();
    // The "start here" arrow over the chain's first smiley.
    void pointAtStart(double lifetime);
    // The head b has no matchable neighbour left: the path turns red, the
    // clashes light up and the house ends (or the game, with no life left).
    void chainStuck(Smiley* b);
    // "next step": an arrow at the next cell of the solution, unless the
    // chain has left it.
    bool pointAtNextStep();
    // "show path": arrows flashing along the whole solution.
    void flashSolution();
};
