#include "ContactSheet.h"

#include "Canvas.h"
#include "Paint.h"

#include <algorithm>
#include <stdexcept>

namespace {
const int kCell = 272;
const int kCaption = 16;
const int kColumns = 6;
}  // namespace

void ContactSheet::write(const std::vector<DataWriter::WrittenSheet>& sheets, const std::string& path) {
    const int rows = static_cast<int>((sheets.size() + kColumns - 1) / kColumns);
    Canvas canvas(kColumns * kCell, std::max(1, rows) * (kCell + kCaption));
    cairo_t* cr = canvas.cr();
    paint::setColour(cr, paint::rgb(60, 60, 70));
    cairo_paint(cr);
    for (size_t i = 0; i < sheets.size(); ++i) {
        const DataWriter::WrittenSheet& sheet = sheets[i];
        const double x = static_cast<double>(i % kColumns) * kCell + 8;
        const double y = static_cast<double>(i / kColumns) * (kCell + kCaption) + kCaption + 4;
        const int w = sheet.image.getWidth(), h = sheet.image.getHeight();
        for (int cy = 0; cy < h; cy += 8)
            for (int cx = 0; cx < w; cx += 8) {
                cairo_rectangle(cr, x + cx, y + cy, std::min(8, w - cx), std::min(8, h - cy));
                paint::setColour(cr, ((cx + cy) / 8) % 2 ? paint::rgb(150, 150, 160) : paint::rgb(110, 110, 120));
                cairo_fill(cr);
            }
        canvas.drawImage(sheet.image, x, y);
        for (const SpriteSheet::Skin& skin : sheet.skins) {
            cairo_rectangle(cr, x + skin.left + 0.5, y + skin.top + 0.5, skin.width - 1, skin.height - 1);
            paint::stroke(cr, paint::rgb(255, 0, 255, 0.6), 1.0);
        }
        paint::setColour(cr, paint::kWhite);
        cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, 11);
        cairo_move_to(cr, x, y - 6);
        cairo_show_text(cr, sheet.path.c_str());
    }
    if (!canvas.writePng(path.c_str()))
        throw std::runtime_error("could not write " + path);
}
