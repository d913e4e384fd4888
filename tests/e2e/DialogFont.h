// The font a dialog template asks for, made as the dialog manager makes it at a DPI, so another
// process can measure the dialog's texts.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class DialogFont {
  public:
    // The font of template `templateId` (a DIALOGEX with DS_SETFONT) in the program `modulePath`.
    DialogFont(const std::string& modulePath, int templateId, UINT dpi);
    ~DialogFont();
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    HFONT Get() const { return font_; }
    // Why there is no font, when there is none.
    const std::string& Error() const { return error_; }
    // The template's client size in dialog units, and that size in pixels with this font.
    SIZE TemplateSize() const { return templateSize_; }
    SIZE TemplateSizeInPixels() const;

  private:
    HFONT font_ = nullptr;
    std::string error_;
    SIZE templateSize_{};
};

// The message font at a DPI, as message boxes use it.
class MessageFont {
  public:
    explicit MessageFont(UINT dpi);
    ~MessageFont();
    MessageFont(const MessageFont&) = delete;
    MessageFont& operator=(const MessageFont&) = delete;
    HFONT Get() const { return font_; }

  private:
    HFONT font_ = nullptr;
};

// Dialog base units of a font: the average width of the Latin letters and the font's height.
SIZE DialogBaseUnits(HFONT font);

} // namespace e2e
