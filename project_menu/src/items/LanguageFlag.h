#pragma once
// LanguageFlag: one clickable flag of the language selection screen. It
// shows the flag of one language (a frame of the "languageFlags" texture),
// names the language in its own words while the mouse is over it, and on a
// click makes that language the engine's chosen one and closes the active
// screen. A child of the selection screen, which owns it. Main thread only.
#include "Renderable.h"

class LanguageFlag : public Renderable {
public:
    // Distance of the language's name from the flag's centre, view units.
    static constexpr float NAME_OFFSET = 65.0f;

    // Fatal when "languageFlags" is not registered or has no frame for the
    // language.
    explicit LanguageFlag(int flagLanguage);

    // Hover test and click; no state machine, no children.
    void tick(double t, double dt) override;
    // The flag, then the name while hovered.
    void render() override;

    // Index of the language in the string table.
    int language;
    // The mouse was over the flag at the last tick.
    bool hovered = false;
};
