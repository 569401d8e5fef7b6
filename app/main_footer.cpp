// The footer: version from the executable's own version resource, the maker's
// notice and the two links.
#include "app/main.h"

#include "app/footer_layout.h"
#include "app/version_text.h"
#include "platform/file_system.h"
#include "toolkit/application.h"

#include <vector>

namespace {

constexpr unsigned kLeftBottom = akLeft | akBottom;
constexpr unsigned kRightBottom = akRight | akBottom;

struct FooterLink {
    const char* caption;
    const char* link;
    const char* hint;
    Bounds bounds;
    unsigned anchors;
};

const FooterLink kMailLink{"mail:tavrix@brenvolt.test",
                           "mailto:tavrix@brenvolt.test",
                           "メール",
                           {16, 272, 137, 12},
                           kLeftBottom};
const FooterLink kHomeLink{"URL:https://brenvolt.test/",
                           "https://brenvolt.test/",
                           "ホームページ",
                           {168, 272, 197, 12},
                           kRightBottom};

} // namespace

void TAutoTavrix::CreateFooter() {
    footerBold_ = CreateDesignFont(TextHeight(), true);
    Label2 = TControl(
        AddControl(L"STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {16, 256, 24, 12}, kLeftBottom));
    Label4 = TControl(
        AddControl(L"STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {40, 256, 39, 12}, kLeftBottom));
    Label3 = TControl(
        AddControl(L"STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {160, 256, 203, 12}, kRightBottom));
    for (HWND bold : {Label2.Handle(), Label4.Handle()}) {
        SendMessageW(bold, WM_SETFONT, reinterpret_cast<WPARAM>(footerBold_.Get()), FALSE);
        SetLabelColor(bold, ColorToRGB(clGreen));
    }
    SetLabelColor(Label3.Handle(), ColorToRGB(clBlue));
    // Each sized to its text in its own font; PlaceFooter then sets them in their rows.
    SetLabelText(Label2.Handle(), "Ver.", true);
    SetLabelText(Label3.Handle(), "Copyright (C) 2026 Brenvolt", true);
    SetLabelText(Label4.Handle(), "Label4", true);

    auto makeLink = [this](const FooterLink& entry) {
        auto label = std::make_unique<THtLabel>(Application(), *this);
        const Bounds b = Scale(entry.bounds);
        label->CreateLabel(Handle(), entry.caption, b.left, b.top, b.width, b.height);
        label->SetOverColor(clMaroon);
        label->SetOrignalColor(clNavy);
        label->SetColorChange(true);
        label->SetLink(entry.link);
        label->SetFontColor(clNavy);
        // Sized to its caption: the anchors keep that size.
        RECT sized{};
        GetWindowRect(label->Handle(), &sized);
        Layout().Add(label->Handle(),
                     {b.left, b.top, sized.right - sized.left, sized.bottom - sized.top},
                     entry.anchors);
        ShowHint(label->Handle(), entry.hint);
        return label;
    };
    HtLabel1 = makeLink(kMailLink);
    HtLabel2 = makeLink(kHomeLink);

    // Last, so the frame lies under the texts it surrounds. A frame static never paints
    // its inside, so it must not clip the window's own background out of that area.
    Bevel2 = TControl(AddControl(L"STATIC", "", SS_ETCHEDFRAME, WS_EX_TRANSPARENT,
                                 {8, 248, 369, 41}, akLeft | akRight | akBottom));
}

void TAutoTavrix::PlaceFooter() {
    const auto extent = [](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        return TextExtent{r.right - r.left, r.bottom - r.top};
    };
    const FooterLayout f =
        LayOutFooter({extent(Label2.Handle()), extent(Label4.Handle()), extent(Label3.Handle()),
                      extent(HtLabel1->Handle()), extent(HtLabel2->Handle())},
                     TextHeight(), Layout().DesignWidth());
    Layout().SetDesign(Label2.Handle(), f.ver);
    Layout().SetDesign(Label4.Handle(), f.version);
    Layout().SetDesign(Label3.Handle(), f.notice);
    Layout().SetDesign(HtLabel1->Handle(), f.mail);
    Layout().SetDesign(HtLabel2->Handle(), f.home);
    RECT client{};
    GetClientRect(Handle(), &client);
    Layout().Apply(client.right, client.bottom);
    // Narrower than that, the right column would run into the left one: the window stops there.
    SetMinimumClientWidth(f.minClientWidth);
}

void TAutoTavrix::FillVersionLabel() {
    if (const std::optional<ProductVersion> version = OwnProductVersion())
        SetLabelText(Label4.Handle(), FormatProductVersion(version->high, version->low), true);
}
