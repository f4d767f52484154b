#include "catalogue.h"

#include "colours.h"
#include "pictures.h"

namespace artgen {

namespace {

constexpr uint32_t PanelBody = 0x2f3641;
// The dark arrow sits on ordinary (light) rows, the orange one on the blue selection.
constexpr uint32_t LightRow = 0xe8ecf2;
constexpr uint32_t SelectedRow = 0x4060e0;

}  // namespace

const std::vector<Entry>& catalogue()
{
    static const std::vector<Entry> entries{
        {104, "menu_highlight.bmp", FileKind::Bmp8, {PanelBody}, [] { return drawMenuHighlight(); }},
        {105, "check_clear.bmp", FileKind::Bmp24, {colour::GreyMid}, [] { return drawCheckBox(false); }},
        {106, "check_set.bmp", FileKind::Bmp24, {colour::GreyMid}, [] { return drawCheckBox(true); }},
        {107, "menu_panel.bmp", FileKind::Bmp24, {colour::Ink}, [] { return drawMenuPanel(); }},
        {120, "vbox_frame_pressed.png", FileKind::Png, {}, [] { return drawVectorBoxFrame(true); }},
        {121, "vbox_frame.png", FileKind::Png, {}, [] { return drawVectorBoxFrame(false); }},
        {122, "combo_field_pressed.png", FileKind::Png, {}, [] { return drawComboField(FieldLook::Pressed); }},
        {123, "combo_field_disabled.png", FileKind::Png, {}, [] { return drawComboField(FieldLook::Disabled); }},
        {124, "combo_field.png", FileKind::Png, {}, [] { return drawComboField(FieldLook::Normal); }},
        {126, "menu_frame.png", FileKind::Png, {}, [] { return drawMenuFrame(); }},
        {127, "list_frame.png", FileKind::Png, {}, [] { return drawListFrame(); }},
        {128, "list_arrows.bmp", FileKind::Bmp24, {LightRow, SelectedRow}, [] { return drawListArrows(); }},
        {129, "page_bar.png", FileKind::Png, {}, [] { return drawPageBar(); }},
    };
    return entries;
}

}  // namespace artgen
