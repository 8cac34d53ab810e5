// Published properties of the controls layer's classes (form files, property inspector).
#include "platform/controls/base/Control.h"
#include "platform/controls/base/CustomControl.h"
#include "platform/controls/base/WinControl.h"
#include "platform/controls/buttons/Button.h"
#include "platform/controls/buttons/Label.h"
#include "platform/controls/buttons/SpeedButton.h"
#include "platform/controls/forms/ColorDialog.h"
#include "platform/controls/forms/Form.h"
#include "platform/controls/forms/Menus.h"
#include "platform/controls/panels/Panels.h"
#include "platform/controls/text/Edit.h"
#include "platform/controls/text/Memo.h"
#include "platform/core/Component.h"
#include "platform/core/PropInfo.h"
#include "platform/core/Timer.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"

namespace vcl {

namespace {

template <class C>
void PublishCaption(TPublisher<C>& p) {
    p.String("Caption", [](C& c) { return c.GetCaption(); }, [](C& c, const std::string& v) { c.SetCaption(v); });
}

}  // namespace

// Called by every control's constructor (and so before any form file is read): a file of
// nothing but registrations would be left out of programs by the linker.
void RegisterControlClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    const std::vector<std::string> kAlignNames{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
    const std::vector<std::string> kAnchorNames{"akLeft", "akTop", "akRight", "akBottom"};
    const std::vector<std::string> kStyleElementNames{"seFont", "seClient", "seBorder"};
    const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
    const std::vector<std::string> kFormBorderNames{"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};

    // The font is the graphics layer's class; registering it again under the same name is
    // allowed, so sub-properties like Font.Size stream wherever a control has a font.
    RegisterClass<TFont, TPersistent>("TFont", [](TPublisher<TFont>& p) {
        p.Color("Color", &TFont::GetColor, &TFont::SetColor, clWindowText);
        p.Integer("Height", &TFont::GetHeight, &TFont::SetHeight, -11);
        p.String("Name", [](TFont& f) { return f.GetName(); }, &TFont::SetName, "Tahoma");
        p.Integer("Size", &TFont::GetSize, &TFont::SetSize, 8).Stored(false);
        p.Set("Style", &TFont::GetStyle, &TFont::SetStyle, TFontStyles{},
              {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        p.Integer("Orientation", &TFont::GetOrientation, &TFont::SetOrientation, 0);
        p.Enum("Quality", &TFont::GetQuality, &TFont::SetQuality, fqDefault,
               {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType",
                "fqClearTypeNatural"});
        p.Enum("Pitch", &TFont::GetPitch, &TFont::SetPitch, fpDefault, {"fpDefault", "fpVariable", "fpFixed"});
    });

    RegisterClass<TControl, TComponent>("TControl", [=](TPublisher<TControl>& p) {
        p.Integer("Left", &TControl::GetLeft, &TControl::SetLeft, 0).NoDefault();
        p.Integer("Top", &TControl::GetTop, &TControl::SetTop, 0).NoDefault();
        p.Integer("Width", &TControl::GetWidth, &TControl::SetWidth, 0).NoDefault();
        p.Integer("Height", &TControl::GetHeight, &TControl::SetHeight, 0).NoDefault();
        p.Enum("Align", &TControl::GetAlign, &TControl::SetAlign, alNone, kAlignNames);
        p.Set("Anchors", &TControl::GetAnchors, &TControl::SetAnchors, TAnchors{akLeft, akTop}, kAnchorNames);
        p.Boolean("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true);
        p.Color("Color", &TControl::GetColor, &TControl::SetColor, clWindow)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentColor(); }));
        p.Boolean("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, true);
        p.Object("Font", &TControl::GetFont, &TControl::SetFont)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentFont(); }));
        p.Integer("Cursor", &TControl::GetCursor, &TControl::SetCursor, crDefault);
        p.Boolean("Enabled", &TControl::GetEnabled, &TControl::SetEnabled, true);
        p.Boolean("Visible", &TControl::GetVisible, &TControl::SetVisible, true);
        p.String("Hint", [](TControl& c) { return c.GetHint(); }, &TControl::SetHint);
        p.Boolean("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint, true);
        p.Boolean("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint, false)
            .Stored(std::function<bool(TControl&)>([](TControl& c) { return !c.GetParentShowHint(); }));
        p.Integer("HelpContext", &TControl::GetHelpContext, &TControl::SetHelpContext, 0);
        p.Set("StyleElements", &TControl::GetStyleElements, &TControl::SetStyleElements,
              TStyleElements{seFont, seClient, seBorder}, kStyleElementNames);
        p.Component("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu);
        p.Event("OnClick", &TControl::GetOnClick, &TControl::SetOnClick);
        p.Event("OnDblClick", &TControl::GetOnDblClick, &TControl::SetOnDblClick);
        p.Event("OnResize", &TControl::GetOnResize, &TControl::SetOnResize);
        p.Event("OnMouseDown", &TControl::GetOnMouseDown, &TControl::SetOnMouseDown);
        p.Event("OnMouseMove", &TControl::GetOnMouseMove, &TControl::SetOnMouseMove);
        p.Event("OnMouseUp", &TControl::GetOnMouseUp, &TControl::SetOnMouseUp);
        p.Event("OnMouseEnter", &TControl::GetOnMouseEnter, &TControl::SetOnMouseEnter);
        p.Event("OnMouseLeave", &TControl::GetOnMouseLeave, &TControl::SetOnMouseLeave);
        p.Event("OnMouseWheel", &TControl::GetOnMouseWheel, &TControl::SetOnMouseWheel);
        p.Event("OnMouseWheelUp", &TControl::GetOnMouseWheelUp, &TControl::SetOnMouseWheelUp);
        p.Event("OnMouseWheelDown", &TControl::GetOnMouseWheelDown, &TControl::SetOnMouseWheelDown);
        p.Event("OnContextPopup", &TControl::GetOnContextPopup, &TControl::SetOnContextPopup);
    });
    RegisterClass<TGraphicControl, TControl>("TGraphicControl");
    RegisterClass<TWinControl, TControl>("TWinControl", [](TPublisher<TWinControl>& p) {
        p.Boolean("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false);
        p.Integer("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder, -1);
        p.Boolean("DoubleBuffered", &TWinControl::GetDoubleBuffered, &TWinControl::SetDoubleBuffered, false);
        p.Boolean("Ctl3D", &TWinControl::GetCtl3D, &TWinControl::SetCtl3D, true);
        p.Boolean("ParentCtl3D", &TWinControl::GetParentCtl3D, &TWinControl::SetParentCtl3D, true);
        p.Event("OnEnter", &TWinControl::GetOnEnter, &TWinControl::SetOnEnter);
        p.Event("OnExit", &TWinControl::GetOnExit, &TWinControl::SetOnExit);
        p.Event("OnKeyDown", &TWinControl::GetOnKeyDown, &TWinControl::SetOnKeyDown);
        p.Event("OnKeyPress", &TWinControl::GetOnKeyPress, &TWinControl::SetOnKeyPress);
        p.Event("OnKeyUp", &TWinControl::GetOnKeyUp, &TWinControl::SetOnKeyUp);
    });
    RegisterClass<TCustomControl, TWinControl>("TCustomControl");

    // ---- standard controls
    RegisterClass<TCustomEdit, TWinControl>("TCustomEdit", [=](TPublisher<TCustomEdit>& p) {
        p.Boolean("ParentColor", &TCustomEdit::GetParentColor, &TCustomEdit::SetParentColor, false);
        p.Boolean("TabStop", &TCustomEdit::GetTabStop, &TCustomEdit::SetTabStop, true);
        p.Integer("Cursor", &TCustomEdit::GetCursor, &TCustomEdit::SetCursor, crIBeam);
        p.String("Text", [](TCustomEdit& e) { return e.GetText(); },
                 [](TCustomEdit& e, const std::string& v) { e.SetText(v); });
        p.Boolean("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly, false);
        p.Integer("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength, 0);
        p.Enum("BorderStyle", &TCustomEdit::GetBorderStyle, &TCustomEdit::SetBorderStyle, bsSingle,
               {"bsNone", "bsSingle"});
        p.Boolean("AutoSelect", &TCustomEdit::GetAutoSelect, &TCustomEdit::SetAutoSelect, true);
        p.Boolean("HideSelection", &TCustomEdit::GetHideSelection, &TCustomEdit::SetHideSelection, true);
        p.Enum("CharCase", &TCustomEdit::GetCharCase, &TCustomEdit::SetCharCase, ecNormal,
               {"ecNormal", "ecUpperCase", "ecLowerCase"});
        p.Integer("PasswordChar", [](TCustomEdit& e) { return std::int64_t(e.GetPasswordChar()); },
                  [](TCustomEdit& e, std::int64_t v) { e.SetPasswordChar(char32_t(v)); }, 0);
        p.Enum("Alignment", &TCustomEdit::GetAlignment, &TCustomEdit::SetAlignment, taLeftJustify, kAlignmentNames);
        p.Event("OnChange", &TCustomEdit::GetOnChange, &TCustomEdit::SetOnChange);
    });
    RegisterClass<TEdit, TCustomEdit>("TEdit");
    RegisterClass<TCustomMemo, TCustomEdit>("TCustomMemo", [](TPublisher<TCustomMemo>& p) {
        p.String("Text", [](TCustomMemo& m) { return m.GetText(); },
                 [](TCustomMemo& m, const std::string& v) { m.SetText(v); })
            .Stored(false);
        p.Boolean("AutoSelect", &TCustomMemo::GetAutoSelect, &TCustomMemo::SetAutoSelect, false);
        p.Object("Lines", &TCustomMemo::GetLines, &TCustomMemo::SetLines);
        p.Enum("ScrollBars", &TCustomMemo::GetScrollBars, &TCustomMemo::SetScrollBars, ssNone,
               {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
        p.Boolean("WantReturns", &TCustomMemo::GetWantReturns, &TCustomMemo::SetWantReturns, true);
        p.Boolean("WantTabs", &TCustomMemo::GetWantTabs, &TCustomMemo::SetWantTabs, false);
        p.Boolean("WordWrap", &TCustomMemo::GetWordWrap, &TCustomMemo::SetWordWrap, true);
    });
    RegisterClass<TMemo, TCustomMemo>("TMemo");

    RegisterClass<TCustomLabel, TGraphicControl>("TCustomLabel", [=](TPublisher<TCustomLabel>& p) {
        PublishCaption(p);
        p.Component("FocusControl", &TCustomLabel::GetFocusControl, &TCustomLabel::SetFocusControl);
        p.Enum("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment, taLeftJustify, kAlignmentNames);
        p.Enum("Layout", &TCustomLabel::GetLayout, &TCustomLabel::SetLayout, tlTop, {"tlTop", "tlCenter", "tlBottom"});
        p.Boolean("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize, true);
        p.Boolean("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap, false);
        p.Boolean("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent, false);
        p.Boolean("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar, true);
    });
    RegisterClass<TLabel, TCustomLabel>("TLabel");

    RegisterClass<TButtonControl, TWinControl>("TButtonControl", [](TPublisher<TButtonControl>& p) {
        p.Boolean("TabStop", &TButtonControl::GetTabStop, &TButtonControl::SetTabStop, true);
        PublishCaption(p);
    });
    RegisterClass<TButton, TButtonControl>("TButton", [](TPublisher<TButton>& p) {
        p.Integer("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult, mrNone);
        p.Boolean("Default", &TButton::GetDefault, &TButton::SetDefault, false);
        p.Boolean("Cancel", &TButton::GetCancel, &TButton::SetCancel, false);
    });
    RegisterClass<TCheckBox, TButtonControl>("TCheckBox", [=](TPublisher<TCheckBox>& p) {
        p.Boolean("AllowGrayed", &TCheckBox::GetAllowGrayed, &TCheckBox::SetAllowGrayed, false);
        p.Enum("State", &TCheckBox::GetState, &TCheckBox::SetState, cbUnchecked, {"cbUnchecked", "cbChecked", "cbGrayed"});
        p.Boolean("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked, false).Stored(false);
        p.Enum("Alignment", &TCheckBox::GetAlignment, &TCheckBox::SetAlignment, taRightJustify, kAlignmentNames);
    });

    RegisterClass<TSpeedButton, TGraphicControl>("TSpeedButton", [](TPublisher<TSpeedButton>& p) {
        PublishCaption(p);
        p.Object("Glyph", &TSpeedButton::GetGlyph, &TSpeedButton::SetGlyph);
        p.Integer("NumGlyphs", &TSpeedButton::GetNumGlyphs, &TSpeedButton::SetNumGlyphs, 1);
        p.Integer("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex, 0);
        p.Boolean("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown, false);
        p.Boolean("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp, false);
        p.Boolean("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat, false);
        p.Enum("Layout", &TSpeedButton::GetLayout, &TSpeedButton::SetLayout, blGlyphLeft,
               {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
        p.Integer("Margin", &TSpeedButton::GetMargin, &TSpeedButton::SetMargin, -1);
        p.Integer("Spacing", &TSpeedButton::GetSpacing, &TSpeedButton::SetSpacing, 4);
        p.Boolean("Transparent", &TSpeedButton::GetTransparent, &TSpeedButton::SetTransparent, true);
    });

    // ---- panels, bevels, timers
    const std::vector<std::string> bevelNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
    RegisterClass<TCustomPanel, TCustomControl>("TCustomPanel", [=](TPublisher<TCustomPanel>& p) {
        PublishCaption(p);
        p.Boolean("ParentColor", &TCustomPanel::GetParentColor, &TCustomPanel::SetParentColor, false);
        p.Color("Color", &TCustomPanel::GetColor, &TCustomPanel::SetColor, clBtnFace);
        p.Enum("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment, taCenter, kAlignmentNames);
        p.Enum("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner, bvNone, bevelNames);
        p.Enum("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter, bvRaised, bevelNames);
        p.Integer("BevelWidth", &TCustomPanel::GetBevelWidth, &TCustomPanel::SetBevelWidth, 1);
        p.Integer("BorderWidth", &TCustomPanel::GetBorderWidth, &TCustomPanel::SetBorderWidth, 0);
        p.Boolean("ShowCaption", &TCustomPanel::GetShowCaption, &TCustomPanel::SetShowCaption, true);
    });
    RegisterClass<TPanel, TCustomPanel>("TPanel");
    RegisterClass<TBevel, TGraphicControl>("TBevel", [](TPublisher<TBevel>& p) {
        p.Enum("Shape", &TBevel::GetShape, &TBevel::SetShape, bsBox,
               {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
        p.Enum("Style", &TBevel::GetStyle, &TBevel::SetStyle, bsLowered, {"bsLowered", "bsRaised"});
    });
    RegisterClass<TTimer, TComponent>("TTimer", [](TPublisher<TTimer>& p) {
        p.Boolean("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled, true);
        p.Integer("Interval", &TTimer::GetInterval, &TTimer::SetInterval, 1000);
        p.Event("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer);
    });

    // ---- forms
    RegisterClass<TCustomForm, TCustomControl>("TCustomForm", [=](TPublisher<TCustomForm>& p) {
        PublishCaption(p);
        p.Boolean("ParentColor", &TCustomForm::GetParentColor, &TCustomForm::SetParentColor, false);
        p.Color("Color", &TCustomForm::GetColor, &TCustomForm::SetColor, clBtnFace);
        p.Boolean("Visible", &TCustomForm::GetVisible, &TCustomForm::SetVisible, false);
        p.Integer("ClientWidth", &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth, 0).Stored(false);
        p.Integer("ClientHeight", &TCustomForm::GetClientHeight, &TCustomForm::SetClientHeight, 0).Stored(false);
        p.Enum("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle, bsSizeable, kFormBorderNames);
        p.Enum("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition, poDesigned,
               {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
        p.Boolean("KeyPreview", &TCustomForm::GetKeyPreview, &TCustomForm::SetKeyPreview, false);
        p.Integer("ModalResult", &TCustomForm::GetModalResult, &TCustomForm::SetModalResult, mrNone).Stored(false);
        p.Event("OnShow", &TCustomForm::GetOnShow, &TCustomForm::SetOnShow);
        p.Event("OnHide", &TCustomForm::GetOnHide, &TCustomForm::SetOnHide);
        p.Event("OnPaint", &TCustomForm::GetOnPaint, &TCustomForm::SetOnPaint);
        p.Event("OnActivate", &TCustomForm::GetOnActivate, &TCustomForm::SetOnActivate);
        p.Event("OnDeactivate", &TCustomForm::GetOnDeactivate, &TCustomForm::SetOnDeactivate);
        p.Event("OnClose", &TCustomForm::GetOnClose, &TCustomForm::SetOnClose);
        p.Event("OnCloseQuery", &TCustomForm::GetOnCloseQuery, &TCustomForm::SetOnCloseQuery);
    });
    RegisterClass<TForm, TCustomForm>("TForm");

    // ---- menus and dialogs
    RegisterClass<TMenuItem, TComponent>("TMenuItem", [](TPublisher<TMenuItem>& p) {
        p.String("Caption", [](TMenuItem& m) { return m.GetCaption(); }, &TMenuItem::SetCaption);
        p.Boolean("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled, true);
        p.Boolean("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked, false);
        p.Boolean("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible, true);
        p.Boolean("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem, false);
        p.Integer("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex, 0);
        p.Integer("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut, 0);
        p.String("Hint", [](TMenuItem& m) { return m.GetHint(); }, &TMenuItem::SetHint);
        p.Integer("HelpContext", &TMenuItem::GetHelpContext, &TMenuItem::SetHelpContext, 0);
        p.Object("Bitmap", &TMenuItem::GetBitmap, &TMenuItem::SetBitmap)
            .Stored(std::function<bool(TMenuItem&)>([](TMenuItem& m) { return m.HasBitmap(); }));
        p.Event("OnClick", &TMenuItem::GetOnClick, &TMenuItem::SetOnClick);
    });
    RegisterClass<TMenu, TComponent>("TMenu");
    RegisterClass<TPopupMenu, TMenu>("TPopupMenu", [](TPublisher<TPopupMenu>& p) {
        p.Boolean("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup, true);
        p.Enum("Alignment", &TPopupMenu::GetAlignment, &TPopupMenu::SetAlignment, paLeft, {"paLeft", "paRight", "paCenter"});
        p.Event("OnPopup", &TPopupMenu::GetOnPopup, &TPopupMenu::SetOnPopup);
    });
    RegisterClass<TColorDialog, TComponent>("TColorDialog", [](TPublisher<TColorDialog>& p) {
        p.Color("Color", &TColorDialog::GetColor, &TColorDialog::SetColor, clBlack);
        p.Object("CustomColors", &TColorDialog::GetCustomColors, &TColorDialog::SetCustomColors);
        p.Set("Options", &TColorDialog::GetOptions, &TColorDialog::SetOptions, TColorDialogOptions{},
              {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"});
        p.Event("OnShow", &TColorDialog::GetOnShow, &TColorDialog::SetOnShow);
        p.Event("OnClose", &TColorDialog::GetOnClose, &TColorDialog::SetOnClose);
    });
}

}  // namespace vcl
