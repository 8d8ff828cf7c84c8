#include "Smiley2ndRender.h"

Smiley2ndRender::Smiley2ndRender(KivBase* layer) : smileyLayer(layer)
{
}

void Smiley2ndRender::render()
{
}
