#pragma once
// The program's ten settings, below HKEY_CURRENT_USER\Software\Zon\Porutena.
#include "core/ViewOptions.h"
#include "settings/UMyRegistry.h"

#include <memory>

namespace porutena {

// Every name the settings are stored under.
namespace PorutenaNames {
inline constexpr std::string_view Company = "Zon";
inline constexpr std::string_view Product = "Porutena";

inline constexpr std::string_view View = "View";
inline constexpr std::string_view Form = "Form";

inline constexpr std::string_view ShowStatusBar = "ShowStatusBar";
inline constexpr std::string_view ShowToolBar = "ShowToolBar";
inline constexpr std::string_view Height = "Height";
inline constexpr std::string_view Width = "Width";
inline constexpr std::string_view HeaderFName = "HeaderFName";
inline constexpr std::string_view HeaderOlist = "HeaderOlist";
inline constexpr std::string_view OldListNum = "OldListNum";
inline constexpr std::string_view FileViewStyle = "FileViewStyle";
inline constexpr std::string_view FileViewLength = "FileViewLength";
inline constexpr std::string_view PathSep = "PathSep";
} // namespace PorutenaNames

class TPorutenaRegistry final : public TMyRegistry {
public:
    // The settings of Software\<company>\<product>, loaded. After a failed load the object is
    // still complete (bad values at their defaults) and RaiseLoadError reports the failure.
    // `keyStore` must outlive the object.
    static std::unique_ptr<TPorutenaRegistry>
    Create(TKeyStore& keyStore, std::string_view company = PorutenaNames::Company,
           std::string_view product = PorutenaNames::Product);

    // Every field is set by the load; the defaults are those of ReadValues.
    bool ShowStatusBar{};
    bool ShowToolBar{};
    std::int32_t Height{};      // 0: the designed height
    std::int32_t Width{};       // 0: the designed width
    std::int32_t HeaderFName{}; // 0: fit to the window; -1, -2: the list's automatic widths
    std::int32_t HeaderOlist{};
    TFileViewStyle FileViewStyle{};
    TFileViewLength FileViewLength{};
    std::uint8_t PathSep{}; // 1 `\`, 2 `/`, 3 `\\`; 0 is taken as `\`

    // The old-list limit, always within 1..100.
    std::int32_t GetOldListNum() const { return FOldListNum; }
    void SetOldListNum(std::int32_t value);

protected:
    void ReadValues() override;
    void WriteValues() override;

private:
    using TMyRegistry::TMyRegistry;

    // The low 8 bits of an integer value, which must not exceed `max`.
    std::uint8_t ReadByte(std::string_view section, std::string_view ident, std::uint8_t def,
                          std::uint8_t max);

    std::int32_t FOldListNum{};
};

} // namespace porutena
