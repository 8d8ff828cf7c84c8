#include "game/ContextDialogQX.h"

#include "ContextManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/CircleCloud.h"
#include "effects/GameSupport.h"

#include <utility>
#include <vector>

namespace {
// The cloud's scale per unit of the dialog's height.
constexpr float CLOUD_SCALE_UNIT = 173.4f;
}

ContextDialogQX::ContextDialogQX()
{
    bDeleteWhenFinished = true;
}

void ContextDialogQX::pushInReadingOrder()
{
    ContextManager& stack = *pGlobal->pContextManager;
    // The stack shows its top first: take the screens still waiting for
    // their first turn off, push this dialog, and put them back over it.
    std::vector<std::pair<Context*, bool>> waiting;
    for (Context* top = stack.getActiveContext(); top && top->bFirstActivation && top != stack.active.get();
         top = stack.getActiveContext()) {
        waiting.emplace_back(top, top->bFinished);
        stack.removeChild(top);
    }
    stack.pushContext(this);
    for (auto screen = waiting.rbegin(); screen != waiting.rend(); ++screen) {
        stack.pushContext(screen->first);
        screen->first->bFinished = screen->second;
    }
}

void ContextDialogQX::build()
{
    const float large = static_cast<float>(pGlobal->pFontLarge->lineHeight);
    const float pictureHeight = separatorSkin ? separatorSkin->height : 0.0f;

    std::vector<std::string> lines;
    text += '|';
    for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|')) {
        lines.push_back(text.substr(0, bar));
        text.erase(0, bar + 1);
    }

    const float height = large + pictureHeight + (title.empty() ? 0.0f : 1.5f * large) +
                         LINE_STEP * static_cast<float>(lines.size()) +
                         0.5f * GameSupport::resource<Skin>("gui-game-button-cloud:0")->height;
    float cursor = height / 2.0f;

    CircleCloud* box = new CircleCloud(boxScale > 0.0f ? boxScale : height / CLOUD_SCALE_UNIT);
    box->position = position;
    box->updateVisuals();
    addChildLast(box);

    if (!title.empty()) {
        addChildLast(new RenderableText(position.x, position.y + cursor, position.z, title, pGlobal->pFontLarge,
                                        UColor(255, 255, 255, 255)));
        cursor -= 1.5f * large;
    }
    for (const std::string& line : lines) {
        if (line == "~") {
            Renderable* picture = new Renderable();
            picture->pSkin = separatorSkin;
            picture->position = V3(position.x, position.y + cursor - 0.5f * pictureHeight - 12.0f, position.z);
            picture->updateVisuals();
            addChildLast(picture);
            cursor -= pictureHeight;
        } else {
            RenderableText* shown = new RenderableText(position.x, position.y + cursor, position.z, line,
                                                       pGlobal->pFontMedium, UColor(255, 128, 0, 255));
            shown->bShadow = false;
            addChildLast(shown);
        }
        cursor -= LINE_STEP;
    }

    if (hasCloseButton) {
        closeButton =
            new MenuButtonQuit(position.x, position.y + cursor - large, position.z, std::string(1, '\x01'), "");
        closeButton->useCloudSkin();
        closeButton->setWidth(60);
        closeButton->hotKey = ' ';
        addChildLast(closeButton);
    }
}

void ContextDialogQX::renderContents()
{
    if (overGame) {
        if (game)
            game->render();
    } else if (BasicLink* below = pPrev) {
        static_cast<Context*>(below)->render();
    }
    Context::renderContents();
}
