#pragma once
// The enumerations the base grid shares with the string grid, in their
// stored order: files and streams keep their ordinals.
#include <cstdint>
#include <initializer_list>

namespace controls {

enum TGridSelectionStyle : std::uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell : std::uint8_t { hcNormal, hcFixed, hcSelected };
// A set of hover-row cell kinds, one bit per kind.
class THoverRowCells {
public:
    constexpr THoverRowCells() = default;
    constexpr THoverRowCells(std::initializer_list<THoverRowCell> cells)
    {
        for (const THoverRowCell c : cells)
            m_bits |= bit(c);
    }
    constexpr bool contains(THoverRowCell c) const { return (m_bits & bit(c)) != 0; }
    friend constexpr bool operator==(THoverRowCells, THoverRowCells) = default;

private:
    static constexpr std::uint8_t bit(THoverRowCell c) { return static_cast<std::uint8_t>(1u << c); }
    std::uint8_t m_bits = 0;
};

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVAlignment : std::uint8_t { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection : std::uint8_t { GradientVertical, GradientHorizontal };

enum TColumnCalcType : std::uint8_t {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV,
};

enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };

enum TEditorType : std::uint8_t {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edExGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn,
};

enum TSortStyle : std::uint8_t {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase,
};

} // namespace controls
