#include "PropertyBlock.h"

#include "Ledger.h"

#include <cstring>

namespace testprovider {

void PropertyBlock::Text(ULONG tag, const std::string& text) {
    values_.push_back({tag, text, 0});
}

void PropertyBlock::Binary(ULONG tag, const std::string& bytes) {
    values_.push_back({tag, bytes, 0});
}

void PropertyBlock::Long(ULONG tag, LONG value) {
    values_.push_back({tag, {}, value});
}

void PropertyBlock::Missing(ULONG tag) {
    values_.push_back({CHANGE_PROP_TYPE(tag, PT_ERROR), {}, MAPI_E_NOT_FOUND});
    errors_ = true;
}

LPSPropValue PropertyBlock::Build(ULONG& count) const {
    std::size_t size = values_.size() * sizeof(SPropValue);
    for (const Value& value : values_)
        size += value.payload.size() + 1;
    void* buffer = nullptr;
    if (FAILED(AllocateBuffer(static_cast<ULONG>(size), &buffer)))
        return nullptr;
    auto* array = static_cast<LPSPropValue>(buffer);
    char* payload = static_cast<char*>(buffer) + values_.size() * sizeof(SPropValue);
    for (std::size_t n = 0; n < values_.size(); ++n) {
        const Value& value = values_[n];
        SPropValue& out = array[n];
        out.ulPropTag = value.tag;
        switch (PROP_TYPE(value.tag)) {
        case PT_STRING8:
        case PT_BINARY:
            std::memcpy(payload, value.payload.data(), value.payload.size());
            payload[value.payload.size()] = '\0';
            if (PROP_TYPE(value.tag) == PT_STRING8) {
                out.Value.lpszA = payload;
            } else {
                out.Value.bin.cb = static_cast<ULONG>(value.payload.size());
                out.Value.bin.lpb = reinterpret_cast<LPBYTE>(payload);
            }
            payload += value.payload.size() + 1;
            break;
        case PT_ERROR:
            out.Value.err = value.number;
            break;
        default:
            out.Value.l = value.number;
            break;
        }
    }
    count = static_cast<ULONG>(values_.size());
    return array;
}

std::string EncodeEntryId(char context, const std::string& id) {
    return std::string(1, context) + id;
}

std::string DecodeEntryId(ULONG size, const void* bytes) {
    if (size < 1 || !bytes)
        return {};
    return std::string(static_cast<const char*>(bytes) + 1, size - 1);
}

} // namespace testprovider
