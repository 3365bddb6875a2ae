// A private-profile store in portable code: an INI text, kept in a file or
// in memory, read and written the way the platform's private-profile
// functions treat it (see ProfileStore). Native tests and the fuzzers use it
// in place of the platform's service.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/profile_store.h"

class IniProfile : public ProfileStore {
  public:
    // The profile in the file at `path`: every read looks at the file as it
    // is now, every write rewrites it. A missing file reads as empty.
    explicit IniProfile(std::string path);

    // A profile held in memory only, starting with `text`.
    static IniProfile fromText(std::string text);

    int getString(const char* section, const char* key, const char* defaultValue, char* buffer,
                  int size) override;
    void writeString(const char* section, const char* key, const char* value) override;

    // The whole profile text as it stands (lines end in CR LF once written).
    std::string text() const;

    // One line of the profile and where in it lie what it holds.
    struct Line {
        enum Kind { kOther, kSection, kKey };
        std::string raw;
        Kind kind = kOther;
        bool hasValue = false;
        size_t nameBegin = 0;  // the section's or the key's name
        size_t nameLength = 0;
        size_t valueBegin = 0;
        size_t valueLength = 0;

        std::string_view name() const { return {raw.data() + nameBegin, nameLength}; }
        std::string_view value() const { return {raw.data() + valueBegin, valueLength}; }
        // Whether the line's name is `other`, whatever the case of its letters.
        bool named(std::string_view other) const;
    };

  private:
    IniProfile() = default;
    // The file's lines as they are now; the lines in memory as they stand.
    void refresh();
    void store();
    // The first line that heads a section of that name, or lines_.size().
    size_t findSection(std::string_view name);

    std::string path_;
    bool inMemory_ = false;
    bool written_ = false;
    std::string memory_;
    std::vector<Line> lines_;
};
