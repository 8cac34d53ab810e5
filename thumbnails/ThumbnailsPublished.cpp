// The published properties of the thumbnail grid. The table is registered while the
// program starts (the component library is linked whole). The framework's properties
// it shows (Align, Anchors, Enabled, Font, PopupMenu, the mouse events, ...) come from the
// control's table.
#include "platform/Classes.h"
#include "thumbnails/Zyn_Thumbnails.h"

namespace zyn {

using namespace vcl;

namespace {

const std::vector<std::string> kFrameStyleNames{"frNone",   "frSingle",       "frSunken",
                                                "frRaised", "frSunkenDouble", "frRaisedDouble"};

const TClassInfo* const ThumbnailsClass =
    RegisterClass<TThumbnails, TGraphicControl>("TThumbnails", [](TPublisher<TThumbnails>& p) {
        using T = TThumbnails;
        p.Enum("SlideSelectMode", &T::GetSlideSelectMode, &T::SetSlideSelectMode,
               {"ssmDisabled", "ssmSingle", "ssmMultiple"});
        p.Boolean("AntiAlias", &T::GetAntiAlias, &T::SetAntiAlias).RepaintsAlways();
        p.Color("ColorBackGnd", &T::GetColorBackGnd, &T::SetColorBackGnd);
        p.Color("ColorCover", &T::GetColorCover, &T::SetColorCover);
        p.Color("ColorSelected", &T::GetColorSelected, &T::SetColorSelected);
        p.Color("ColorFocus", &T::GetColorFocus, &T::SetColorFocus);
        p.Color("ColorMark", &T::GetColorMark, &T::SetColorMark);
        p.Enum("ColorScheme", &T::GetColorScheme, &T::SetColorScheme, {"schFixed", "schSystem"});
        p.Enum("FrameStyle", &T::GetFrameStyle, &T::SetFrameStyle, kFrameStyleNames);
        p.Enum("OuterFrameStyle", &T::GetOuterFrameStyle, &T::SetOuterFrameStyle, kFrameStyleNames);
        p.Enum("InnerFrameStyle", &T::GetInnerFrameStyle, &T::SetInnerFrameStyle, kFrameStyleNames);
        p.Integer("FocusLinewidth", &T::GetFocusLinewidth, &T::SetFocusLinewidth);
        p.Integer("FocusedSlide", &T::GetFocusedSlide);
        p.Integer("Min", &T::GetMin, &T::SetMin);
        p.Integer("Max", &T::GetMax, &T::SetMax);
        p.Integer("SlideSize", &T::GetSlideSize, &T::SetSlideSize);
        p.Integer("SlideDistance", &T::GetSlideDistance, &T::SetSlideDistance);
        p.Integer("SlideMargin", &T::GetSlideMargin, &T::SetSlideMargin);
        p.Event("OnImageRequest", &T::GetOnImageRequest, &T::SetOnImageRequest);
        p.Event("OnImageClick", &T::GetOnImageClick, &T::SetOnImageClick);
        p.Event("OnImageDblClick", &T::GetOnImageDblClick, &T::SetOnImageDblClick);
        p.Event("OnFocusChange", &T::GetOnFocusChange, &T::SetOnFocusChange);
        p.Event("OnFirstImageRequest", &T::GetOnFirstImageRequest, &T::SetOnFirstImageRequest);
        p.Event("OnLastImageRequest", &T::GetOnLastImageRequest, &T::SetOnLastImageRequest);
        p.Event("OnSlideRendered", &T::GetOnSlideRendered, &T::SetOnSlideRendered);
    });

}  // namespace

}  // namespace zyn
