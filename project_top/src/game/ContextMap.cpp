#include "game/ContextMap.h"

#include "ErrorManager.h"
#include "Global.h"
#include "Kiv.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/ArrowMessage.h"
#include "effects/GameSupport.h"
#include "effects/TextInk.h"
#include "game/GameController.h"

#include <algorithm>

namespace {

// Seconds: the arrow waits, then glides until GLIDE_END; the caption comes
// at CAPTION_TIME.
constexpr double GLIDE_START = 1.0;
constexpr double GLIDE_END = 4.0;
constexpr double CAPTION_TIME = 3.5;
// The name shows within this distance of a neighbourhood, squared.
constexpr float NAME_REACH_SQUARED = 1024.0f;

Renderable* makePicture(const char* key, V3 at, float scale)
{
    Renderable* picture = new Renderable();
    picture->pSkin = GameSupport::resource<Skin>(key);
    picture->position = at;
    picture->setScaleXY(scale);
    picture->updateVisuals();
    return picture;
}

}

const V3 ContextMap::mapPositions[8] = {
    V3(-185.0f, 35.0f, 0.0f), V3(-115.0f, 50.0f, 0.0f), V3(-50.0f, 55.0f, 0.0f), V3(-95.0f, 20.0f, 0.0f),
    V3(-10.0f, -50.0f, 0.0f), V3(120.0f, -70.0f, 0.0f), V3(85.0f, -15.0f, 0.0f), V3(115.0f, 35.0f, 0.0f),
};

ContextMap::ContextMap(int previous, int current)
{
    KIV_ASSERT(previous < HouseProgression::NEIGHBOURHOOD_COUNT && current >= 0 &&
               current < HouseProgression::NEIGHBOURHOOD_COUNT);
    overGame = true;
    text = "Your journey so far...|||||||||||";
    build();

    addChildLast(makePicture("map:all", V3(0.0f, -10.0f, 0.0f), 1.0f));
    if (previous < 0)
        previous = 0;
    else
        for (int i = 0; i <= previous; ++i)
            addChildLast(makePicture("intro1:11", mapPositions[i], 0.5f));
    fromPos = mapPositions[previous];
    toPos = mapPositions[current];

    arrow = new ArrowMessage(-10000.0f, 0.0f, 0.0f, UColor(255, 0, 0, 255), -1.5707964f, "");
    arrow->arrowPosition = V3(40.0f, 0.0f, 0.0f);
    arrow->setScaleXY(0.5f);
    arrow->updateVisuals();
    arrow->keepOut = [this] { return keepOutBoxes(); };
    addChildLast(arrow);

    addChildLast(makePicture("logo:all", V3(0.0f, 130.0f, 0.0f), 0.5f));

    nameLabel = new RenderableText(0.0f, 0.0f, 0.0f, "", pGlobal->pFontMedium, UColor(255, 255, 255, 255));
    nameLabel->setScaleXY(0.5f);
    nameLabel->updateVisuals();
    addChildLast(nameLabel);
}

void ContextMap::tickContents(double time, double step)
{
    ContextDialogQX::tickContents(time, step);
    if (time >= CAPTION_TIME && time - step < CAPTION_TIME) {
        GameSupport::resource<Sound>("jingle01")->play();
        arrow->caption = "you are here!";
    }
    const float glide = static_cast<float>(std::clamp((time - GLIDE_START) / (GLIDE_END - GLIDE_START), 0.0, 1.0));
    arrow->position =
        V3(fromPos.x, fromPos.y, fromPos.z, 0.0f, 0.0f, 0.0f, toPos.x, toPos.y, toPos.z, 0.0f, 0.0f, 0.0f, glide) +
        V3(0.0f, 50.0f, 0.0f);
    arrow->updateVisuals();

    nameLabel->text.clear();
    const V3 pointer(mouseX, mouseY, mouseZ);
    for (int i = 0; i < HouseProgression::NEIGHBOURHOOD_COUNT; ++i) {
        if ((pointer - mapPositions[i]).lengthSquared() < NAME_REACH_SQUARED) {
            nameLabel->position = mapPositions[i] + V3(0.0f, 30.0f, 0.0f);
            nameLabel->text = HouseProgression::neighbourhoodNames[i];
        }
    }
    nameLabel->updateVisuals();
}

std::vector<ViewBox> ContextMap::keepOutBoxes() const
{
    std::vector<ViewBox> boxes;
    bool bOverTheArrow = false;
    for (const BasicLink* link = pFirstChild; link; link = link->pNext) {
        const KivBase* child = static_cast<const KivBase*>(link);
        ViewBox box;
        if (child == arrow) {
            bOverTheArrow = true;
        } else if (const RenderableText* label = dynamic_cast<const RenderableText*>(child)) {
            if (TextInk::measureShown(*label, &box))
                boxes.push_back(box.seenBy(*pCamera, 0.0f));
        } else if (const Renderable* picture = dynamic_cast<const Renderable*>(child); picture && bOverTheArrow) {
            if (!picture->bHidden && picture->pSkin)
                boxes.push_back(ViewBox::ofSkin(*picture->pSkin, V3())
                                    .placedAt(picture->position, picture->scale)
                                    .seenBy(*pCamera, 0.0f));
        }
    }
    return boxes;
}
