#include "window/web/form2.h"

#include "window/texts.h"

#include <string>
#include <vector>

// What the page's script gives the module, in its "page" import module.
#define QUINTORA_PAGE(name) __attribute__((import_module("page"), import_name(#name)))
extern "C" {
// The UTF-8 length of a field's text, which copyText then writes to `to`.
QUINTORA_PAGE(textLength) int pageTextLength(int field);
QUINTORA_PAGE(copyText) void pageCopyText(int field, char* to);
QUINTORA_PAGE(setText) void pageSetText(int field, const char* text, int length);
QUINTORA_PAGE(fits) int pageFits(int field, const char* text, int length);
// `tint`: the name of the field's background, as tintName gives it;
// `attention`: whether its reason is shown while it has the focus.
QUINTORA_PAGE(setLook)
void pageSetLook(int field, const char* tint, int tintLength, int outOfDate, int attention,
                 const char* tip, int length);
QUINTORA_PAGE(showError) void pageShowError(const char* text, int length);
// Why the boxes of quantity number `quantity` look as they do; empty for
// nothing.
QUINTORA_PAGE(setReason) void pageSetReason(int quantity, const char* text, int length);
// The clipboard text of a paste, which copyClipboard then writes to `to`.
QUINTORA_PAGE(clipboardLength) int pageClipboardLength();
QUINTORA_PAGE(copyClipboard) void pageCopyClipboard(char* to);
// Puts `text` in place of the selection of a field's box.
QUINTORA_PAGE(insertText) void pageInsertText(int field, const char* text, int length);
// Puts results on the clipboard, as plain text and as HTML.
QUINTORA_PAGE(setClipboard)
void pageSetClipboard(const char* text, int textLength, const char* html, int htmlLength);
// Whether the copy button of quantity number `which` (3: all) copies, and
// what it says.
QUINTORA_PAGE(setCopy) void pageSetCopy(int which, int enabled, const char* label, int length);
// The size of the note wrapped to at most `room` CSS pixels, as
// width * 65536 + height; then where it stands.
QUINTORA_PAGE(noteSize) int pageNoteSize(int room);
QUINTORA_PAGE(placeNote) void pagePlaceNote(int x, int y, int width, int height);
}

namespace quintora {

class Form2::View : public FormView {
public:
    View() : fields_(allFields()) {}

    static int number(Field f) { return static_cast<int>(fieldNumber(f)); }
    Field field(int number) const { return fields_[static_cast<std::size_t>(number)]; }
    int count() const { return static_cast<int>(fields_.size()); }

    std::string text(Field f) const override {
        std::string text(static_cast<std::size_t>(pageTextLength(number(f))), '\0');
        pageCopyText(number(f), text.data());
        return text;
    }
    void setText(Field f, std::string_view text) override {
        pageSetText(number(f), text.data(), static_cast<int>(text.size()));
    }
    bool fits(Field f, std::string_view text) const override {
        return pageFits(number(f), text.data(), static_cast<int>(text.size())) != 0;
    }
    void setLook(Field f, const Look& look) override {
        if (quiet)
            return;
        const std::string_view tint = tintName(look.background);
        pageSetLook(number(f), tint.data(), static_cast<int>(tint.size()), look.outOfDate ? 1 : 0,
                    look.needsAttention() ? 1 : 0, look.toolTip.data(),
                    static_cast<int>(look.toolTip.size()));
    }
    void showError(std::string_view message) override {
        pageShowError(message.data(), static_cast<int>(message.size()));
    }

    bool quiet = false; // the page shows these looks already

private:
    std::vector<Field> fields_;
};

Form2::Form2(char decimalSeparator)
    : view_(std::make_unique<View>()),
      logic_(std::make_unique<Form2Logic>(*view_, decimalSeparator)) {}

Form2::~Form2() = default;

// The page comes with the looks, reasons and copy buttons of start-up,
// which make_page took from the same Form2Logic: they are not written
// again, nor worked out until the user first changes something.
void Form2::Form_Load() {
    view_->quiet = true;
    logic_->load();
    view_->quiet = false;
}

void Form2::Command1_Click() {
    logic_->convert();
    tellReasons();
}

void Form2::edited(int field) {
    if (field >= 0 && field < view_->count())
        logic_->edited(view_->field(field));
    tellReasons();
}

void Form2::pasted(int field) {
    if (field < 0 || field >= view_->count())
        return;
    std::string clipboard(static_cast<std::size_t>(pageClipboardLength()), '\0');
    pageCopyClipboard(clipboard.data());
    const Paste paste = pasteOf(clipboard);
    pageInsertText(field, paste.text.data(), static_cast<int>(paste.text.size()));
    logic_->edited(view_->field(field));
    logic_->pasted(view_->field(field), paste);
    tellReasons();
}

void Form2::setTouch(bool touch) {
    touch_ = touch;
    tellReasons();
}

void Form2::copyResults(std::size_t which) {
    if (which > allResults || !logic_->copyState(which).enabled)
        return;
    const ResultsTable table = logic_->copyResults(which);
    pageSetClipboard(table.text.data(), static_cast<int>(table.text.size()), table.html.data(),
                     static_cast<int>(table.html.size()));
}

void Form2::placeNote(const PixelRect& box, int dpi) {
    const PixelRect place = notePlace(
        box,
        [](int room) {
            const int size = pageNoteSize(room);
            return PixelSize{size / 65536, size % 65536};
        },
        dpi);
    pagePlaceNote(place.x, place.y, place.width, place.height);
}

void Form2::tellReasons() {
    for (std::size_t q = 0; q < reasons_.size(); ++q) {
        std::string reason = logic_->reason(q, touch_);
        if (reason == reasons_[q])
            continue;
        reasons_[q] = std::move(reason);
        pageSetReason(static_cast<int>(q), reasons_[q].data(),
                      static_cast<int>(reasons_[q].size()));
    }
    for (std::size_t which = 0; which < copyLabels_.size(); ++which) {
        const CopyState state = logic_->copyState(which);
        std::string label =
            which == allResults ? logic_->copyLabel(which) : texts::withWhy(texts::copy, state.why);
        if (label == copyLabels_[which])
            continue;
        copyLabels_[which] = std::move(label);
        pageSetCopy(static_cast<int>(which), state.enabled ? 1 : 0, copyLabels_[which].data(),
                    static_cast<int>(copyLabels_[which].size()));
    }
}

} // namespace quintora
