#include "board/Smiley2ndRender.h"

#include "BasicLinkIterator.h"
#include "board/Smiley.h"

Smiley2ndRender::Smiley2ndRender(KivBase* layer) : smileyLayer(layer)
{
}

void Smiley2ndRender::render()
{
    // A plain walk: the layer's own update deletes its dead smileys.
    BasicLinkIterator it(smileyLayer);
    while (KivBase* child = it.next())
        static_cast<Smiley*>(child)->renderExtras();
}
