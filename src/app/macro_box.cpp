#include "app/macro_box.h"

#include "persist/book_export.h"
#include "persist/presets.h"
#include "state/game.h"
#include "text/text.h"

namespace kestrilon {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kGrey = Rgb(150, 150, 150);
constexpr Colour kButtonFace = Rgb(48, 48, 64);
constexpr Font kTitleFont{.size = 14, .bold = true};
constexpr Font kButtonFont{.size = 11, .bold = true};
constexpr Font kEditFont{.size = 11};
constexpr Font kNoteFont{.size = 8};
constexpr int kFirstRowTop = 56;
constexpr int kRowPitch = 50;

bool Inside(Rect r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void Button(Bitmap& cg, Rect r, std::string_view caption) {
    cg.Rectangle(r, kWhite, 1, kButtonFace);
    const Size size = cg.TextExtent(caption, kButtonFont);
    cg.Text(r.left + (r.Width() - size.width) / 2, r.top + (r.Height() - size.height) / 2, caption, kButtonFont, kWhite);
}

// The length in bytes of the UTF-8 character that starts with this byte.
size_t CharLength(unsigned char lead) { return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

}  // namespace

Rect MacroLoadRect(int row) {
    const int top = kFirstRowTop + (row - 1) * kRowPitch;
    return {16, top, 86, top + 40};
}
Rect MacroSaveRect(int row) {
    const int top = kFirstRowTop + (row - 1) * kRowPitch;
    return {92, top, 162, top + 40};
}
Rect MacroEditRect(int row) {
    const int top = kFirstRowTop + (row - 1) * kRowPitch;
    return {172, top + 5, 416, top + 35};
}

MacroPart MacroPartAt(int x, int y) {
    for (int row = 1; row <= kPresets; ++row) {
        if (Inside(MacroLoadRect(row), x, y)) return {MacroPart::Load, row};
        if (Inside(MacroSaveRect(row), x, y)) return {MacroPart::Save, row};
        if (Inside(MacroEditRect(row), x, y)) return {MacroPart::Edit, row};
    }
    if (Inside(kMacroUndoRect, x, y)) return {MacroPart::Undo};
    if (Inside(kMacroResetRect, x, y)) return {MacroPart::Reset};
    if (Inside(kMacroExportRect, x, y)) return {MacroPart::Export};
    if (Inside(kMacroBackRect, x, y)) return {MacroPart::Back};
    return {};
}

void SyncMacroBox(Game& g, MacroBox& box) {
    if (g.screen.presetPanelOpen && !box.shown) {
        box.names = PresetNames(g, EditedBook(g));
        box.focus = -1;
    }
    box.shown = g.screen.presetPanelOpen;
}

void MacroBoxMouseDown(Game& g, MacroBox& box, int x, int y, bool right) {
    if (right) {
        macro_back_bClick(g, box);
        return;
    }
    const MacroPart part = MacroPartAt(x, y);
    box.focus = part.kind == MacroPart::Edit ? part.row - 1 : -1;
    switch (part.kind) {
    case MacroPart::Load: PresetLoadClick(g, part.row); break;
    case MacroPart::Save: PresetSaveClick(g, part.row); break;
    case MacroPart::Undo: UndoClick(g); break;
    case MacroPart::Reset: ResetClick(g); break;
    case MacroPart::Export: ExportClick(g, ExportOrder::ById); break;
    case MacroPart::Back: macro_back_bClick(g, box); break;
    case MacroPart::Edit:
    case MacroPart::None: break;
    }
}

void MacroTyped(MacroBox& box, std::string_view text) {
    if (box.focus < 0) return;
    std::string& name = box.names[static_cast<size_t>(box.focus)];
    for (size_t at = 0; at < text.size();) {
        const size_t length = std::min(CharLength(static_cast<unsigned char>(text[at])), text.size() - at);
        const std::string_view one = text.substr(at, length);
        at += length;
        if (static_cast<unsigned char>(one[0]) < 0x20 || one[0] == 0x7F || !Utf8ToCp932(one)) continue;
        if (Cp932Width(name) + Cp932Width(one) > kPresetNameBytes) break;
        name += one;
    }
}

void MacroBackspace(MacroBox& box) {
    if (box.focus < 0) return;
    std::string& name = box.names[static_cast<size_t>(box.focus)];
    while (!name.empty()) {
        const auto last = static_cast<unsigned char>(name.back());
        name.pop_back();
        if ((last & 0xC0) != 0x80) break;  // the first byte of the character is gone: it is whole
    }
}

void macro_back_bClick(Game& g, MacroBox& box) {
    ClosePresetPanel(g, box.names);
    box.focus = -1;
    box.shown = false;
}

void DrawMacroBox(Game& g, const MacroBox& box) {
    Bitmap& cg = g.layers.cg;
    cg.Fill(kMacroBoxRect, 0);
    cg.Text(16, 14, PresetPanelTitle(EditedBook(g)), kTitleFont, kWhite);
    for (int row = 1; row <= kPresets; ++row) {
        Button(cg, MacroLoadRect(row), "LOAD");
        Button(cg, MacroSaveRect(row), "SAVE");
        const Rect edit = MacroEditRect(row);
        const bool focused = box.focus == row - 1;
        cg.Rectangle(edit, focused ? kWhite : kGrey, focused ? 2 : 1, kWhite);
        const std::string& name = box.names[static_cast<size_t>(row - 1)];
        const int textTop = edit.top + (edit.Height() - cg.TextExtent("W", kEditFont).height) / 2;
        cg.Text(edit.left + 6, textTop, name, kEditFont, 0);
        if (focused && g.frame.FrameTick % 10 < 5) {
            const int caretX = edit.left + 7 + cg.TextWidth(name, kEditFont);
            cg.Fill({caretX, edit.top + 5, caretX + 2, edit.bottom - 5}, 0);
        }
    }
    cg.Text(16, 360, "※現在のブック状態を、各プリセットに保存・", kNoteFont, kGrey);
    cg.Text(16, 376, "　読み込みすることが可能です。", kNoteFont, kGrey);
    Button(cg, kMacroUndoRect, "元に戻す");
    cg.Text(kMacroUndoRect.right + 12, kMacroUndoRect.top + 12, "※編集前の状態にまでに戻します", kNoteFont, kGrey);
    Button(cg, kMacroResetRect, "ブックReset");
    Button(cg, kMacroExportRect, "Txt出力");
    Button(cg, kMacroBackRect, "<BACK>");
}

}  // namespace kestrilon
