#pragma once
// Basic value types of the component model, spelled as the framework spells them.
#include <cstdint>
#include <functional>
#include <string>

using TColor = std::int32_t;
// System colours carry the high bit and the GetSysColor index in the low byte.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clWindow = static_cast<TColor>(0x80000005);
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
inline constexpr TColor clHighlight = static_cast<TColor>(0x8000000D);
inline constexpr TColor clHighlightText = static_cast<TColor>(0x8000000E);
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);

inline constexpr bool IsSystemColor(TColor c) {
    return (static_cast<std::uint32_t>(c) >> 31) != 0;
}

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = unsigned;

enum TOwnerDrawStateKind : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };
using TOwnerDrawState = unsigned;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TCursor { crDefault, crHandPoint };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsNone, bsSingle };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TPosition { poDesigned, poScreenCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = unsigned;
enum class TBevelShape { bsBox, bsFrame, bsLeftLine, bsRightLine, bsTopLine, bsBottomLine };
enum class TBevelStyle { bsLowered, bsRaised };
enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };
enum class TComboBoxStyle { csDropDown, csDropDownList };

class TObject;
class TWinControl;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
