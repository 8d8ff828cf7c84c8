#include "MenuString.h"

#include "FontQuad.h"
#include "Kiv.h"
#include "KivInput.h"

#include <algorithm>
#include <cmath>
#include <cstring>

const char* const MenuString::ALLOWED_CHARS = "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
                                              "'abcdefghijklmnopqrstuvwxyz{|} ";

MenuString::MenuString(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint,
                       char* buffer, int maxTextLength)
    : MenuItem(x, y, z, itemCaption, itemHint), allowedChars(ALLOWED_CHARS), maxLength(std::max(maxTextLength, 0)),
      pBuffer(buffer)
{
    // Never read past the maxLength + 1 bytes the buffer is known to hold.
    text.assign(buffer, strnlen(buffer, static_cast<size_t>(maxLength)));
}

void MenuString::tick(double t, double dt)
{
    MenuItem::tick(t, dt);
    if (disabled || !highlighted) {
        caretVisible = false;
        return;
    }
    const KivInput& input = *pKiv->pInput;
    const int typed = input.getKeyChar(input.getPressedKey());
    if (typed == BACKSPACE) {
        if (!text.empty())
            text.pop_back();
    } else if (typed != 0) {
        const char c = static_cast<char>(typed);
        if (static_cast<int>(text.size()) < maxLength && allowedChars.find(c) != std::string::npos)
            text += c;
        onTextChanged();
    }
    // The buffer holds maxLength + 1 bytes whatever a caller did to text.
    const size_t length = std::min(text.size(), static_cast<size_t>(maxLength));
    std::memcpy(pBuffer, text.data(), length);
    pBuffer[length] = '\0';
    caretVisible = isCaretShown(t);
}

bool MenuString::isCaretShown(double t)
{
    return static_cast<long long>(std::floor(t * 8.0)) % 2 == 0;
}

void MenuString::drawValue(float x, float y, float z)
{
    const std::string withCaret = text + "_";
    const int width = font->measure(withCaret).width;
    Renderable at;
    placeText(at, V3(x - static_cast<float>(width / 2), y, z), textColor);
    font->print(&at, 0x02 | FontQuad::PRINT_CENTRE_Y, caretVisible ? withCaret : text);
}
