#include "DialogFont.h"

#include <cstring>

namespace e2e {
namespace {

// Reads a DLGTEMPLATEEX: its header, then menu, class and title (each a 0xFFFF ordinal, an empty
// word or a string), then the font.
class TemplateReader {
  public:
    TemplateReader(const BYTE* bytes, DWORD size) : at_(bytes), end_(bytes + size) {}
    bool Word(WORD& value) { return Read(&value, sizeof value); }
    bool Dword(DWORD& value) { return Read(&value, sizeof value); }
    bool Byte(BYTE& value) { return Read(&value, sizeof value); }
    bool SkipOrdinalOrString() {
        WORD first = 0;
        if (!Word(first))
            return false;
        if (first == 0xFFFF)
            return Word(first);
        return first == 0 || String(nullptr);
    }
    // Reads a zero-terminated UTF-16 string; `text` may be null.
    bool String(std::wstring* text) {
        for (;;) {
            WORD unit = 0;
            if (!Word(unit))
                return false;
            if (unit == 0)
                return true;
            if (text)
                text->push_back(static_cast<wchar_t>(unit));
        }
    }

  private:
    bool Read(void* value, std::size_t size) {
        if (static_cast<std::size_t>(end_ - at_) < size)
            return false;
        std::memcpy(value, at_, size);
        at_ += size;
        return true;
    }
    const BYTE* at_;
    const BYTE* end_;
};

class ScreenContext {
  public:
    ScreenContext() : dc_(::GetDC(nullptr)) {}
    ~ScreenContext() { ::ReleaseDC(nullptr, dc_); }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

class ModuleAsData {
  public:
    explicit ModuleAsData(const std::string& path)
        : module_(::LoadLibraryExA(path.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ModuleAsData() {
        if (module_)
            ::FreeLibrary(module_);
    }
    ModuleAsData(const ModuleAsData&) = delete;
    ModuleAsData& operator=(const ModuleAsData&) = delete;
    HMODULE Get() const { return module_; }

  private:
    HMODULE module_;
};

} // namespace

DialogFont::DialogFont(const std::string& modulePath, int templateId, UINT dpi) {
    ModuleAsData module(modulePath);
    if (!module.Get()) {
        error_ = "cannot load " + modulePath;
        return;
    }
    HRSRC resource = ::FindResourceA(module.Get(), MAKEINTRESOURCEA(templateId), RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(module.Get(), resource) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!bytes) {
        error_ = "no dialog template " + std::to_string(templateId);
        return;
    }
    TemplateReader reader(bytes, ::SizeofResource(module.Get(), resource));
    WORD version = 0, signature = 0, items = 0, pointSize = 0, weight = 0;
    DWORD helpId = 0, extendedStyle = 0, style = 0;
    WORD x = 0, y = 0, width = 0, height = 0;
    BYTE italic = 0, charset = 0;
    std::wstring face;
    const bool read =
        reader.Word(version) && reader.Word(signature) && version == 1 && signature == 0xFFFF &&
        reader.Dword(helpId) && reader.Dword(extendedStyle) && reader.Dword(style) &&
        reader.Word(items) && reader.Word(x) && reader.Word(y) && reader.Word(width) &&
        reader.Word(height) && reader.SkipOrdinalOrString() && reader.SkipOrdinalOrString() &&
        reader.String(nullptr) && (style & DS_SETFONT) && reader.Word(pointSize) &&
        reader.Word(weight) && reader.Byte(italic) && reader.Byte(charset) && reader.String(&face);
    if (!read || face.size() >= LF_FACESIZE) {
        error_ = "template " + std::to_string(templateId) + " is not a DIALOGEX with a font";
        return;
    }
    templateSize_ = {static_cast<LONG>(width), static_cast<LONG>(height)};
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(pointSize, static_cast<int>(dpi), 72);
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfCharSet = charset;
    face.copy(font.lfFaceName, face.size());
    font_ = ::CreateFontIndirectW(&font);
    if (!font_)
        error_ = "cannot make the template's font";
}

DialogFont::~DialogFont() {
    if (font_)
        ::DeleteObject(font_);
}

SIZE DialogFont::TemplateSizeInPixels() const {
    const SIZE units = DialogBaseUnits(font_);
    return {::MulDiv(templateSize_.cx, units.cx, 4), ::MulDiv(templateSize_.cy, units.cy, 8)};
}

MessageFont::MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        font_ = ::CreateFontIndirectW(&metrics.lfMessageFont);
}

MessageFont::~MessageFont() {
    if (font_)
        ::DeleteObject(font_);
}

SIZE DialogBaseUnits(HFONT font) {
    ScreenContext screen;
    HGDIOBJ previous = ::SelectObject(screen.Get(), font);
    static const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE extent{};
    ::GetTextExtentPoint32W(screen.Get(), letters, 52, &extent);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.Get(), &metrics);
    ::SelectObject(screen.Get(), previous);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

} // namespace e2e
