#include "TextFiles.h"

namespace {

const char* kReadme = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Glimmerdale - how to play</title>
<style>
body { font-family: sans-serif; max-width: 40em; margin: 2em auto; color: #2d1e32; background: #fff8e6; }
h1 { color: #f07020; } h2 { color: #3050a0; }
</style>
</head>
<body>
<h1>Glimmerdale</h1>
<p>Welcome, traveller! The smileys of Glimmerdale's eight neighbourhoods are
looking for company, and you are the one to find it for them.</p>

<h2>How to play</h2>
<p>Click a smiley, then click another one to match the two. Two smileys can be
matched only when they differ in <em>every</em> feature that their
neighbourhood cares about: on Easy Street only eyes and mouths count, further
on hair, body colour and eyebrows join in. A clash glows green. Clowns match
any smiley.</p>
<ul>
<li><b>Quest:</b> match all the smileys of each house. Smileys left without a
match fill a slot of the thermometer; fill them all and the game is over.</li>
<li><b>Puzzle:</b> connect every smiley of the house in one long chain, each
step to a neighbouring apartment and each smiley different from the last.</li>
<li><b>Action:</b> match pairs to fill the thermometer before it drains.</li>
</ul>
<p>Matches earn coins; spend them on vitamins in the panel on the left.</p>

<h2>Controls</h2>
<ul>
<li>Mouse: point and click.</li>
<li>Escape: back, or leave the game (you are asked first).</li>
<li>Alt+F4: quit.</li>
</ul>

<h2>Credits</h2>
<p>Pictures, fonts, sounds, music and puzzles were all made by the game's own
data generator: vector drawings, letters set from the free DejaVu Sans font,
synthesised sound effects and procedurally composed tunes, and puzzle paths
found by a seeded search.</p>
</body>
</html>
)";

// The defaults of a single-language edition without dithering.
const char* kEditionSettings = "[Language]\n"
                               "bMultilanguage=No\n"
                               "singleLanguage=0\n"
                               "\n"
                               "[Graphics]\n"
                               "ditherDepth=0\n";

}  // namespace

void TextFiles::generate(DataWriter& game) const {
    game.writeText("readme.htm", kReadme);
    game.writeText("Glimmerdaledemo.cfg.static", kEditionSettings);
}
