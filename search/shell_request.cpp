#include "search/shell_request.h"

#include "platform/exact_path.h"

TShellRequest::TShellRequest(const TFoundFiles& found) : found_(found) {
    for (std::u16string_view path : found)
        if (!PlainFormIsExact(path)) ++heldBack_;
    if (heldBack_ == 0) return;
    for (std::u16string_view path : found)
        if (PlainFormIsExact(path)) named_.Add(path);
}
