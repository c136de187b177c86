// The texts the skin engine puts on the screen itself (system-menu captions, caption-button hints,
// its dialogs' captions), replaceable as a whole by a TbsResourceStrData component; without one
// the built-in table gives them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"

namespace skin {

struct ResString {
    std::string_view key;
    std::string_view text;
};

// The built-in table, in the order of the component's default lines ("&" marks an access key).
extern const std::array<ResString, 131> kDefaultResStrings;

// The built-in text of a key (compared without regard to case), or "" for an unknown key.
std::string_view BuiltInResString(std::string_view key);

class TbsResourceStrData : public framework::TComponent {
  public:
    // A new component holds the 131 default lines "KEY=text" and the default character set.
    explicit TbsResourceStrData(framework::TComponent* owner);

    const std::vector<std::string>& ResStrings() const { return resStrings_; }
    void SetResStrings(const std::vector<std::string>& lines) { resStrings_ = lines; }
    // The font character set skinned controls and menus use while this component is assigned.
    uint8_t CharSet() const { return charSet_; }
    void SetCharSet(uint8_t charSet) { charSet_ = charSet; }

    // The text after the first "=" of the first line whose key (the part before it) equals `key`
    // without regard to case; "" when no line has the key.
    std::string GetResString(std::string_view key) const;

  private:
    std::vector<std::string> resStrings_;
    uint8_t charSet_;
};

constexpr uint8_t DEFAULT_CHARSET = 1;

// What a consumer shows for a key: the assigned component's text (even an empty one) when there
// is a component, the built-in text otherwise.
std::string SkinResString(const TbsResourceStrData* resources, std::string_view key);

}  // namespace skin
