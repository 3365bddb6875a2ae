// A private-profile store in portable code: an INI text, kept in a file or
// in memory, read and written the way the platform's private-profile
// functions treat it (see ProfileStore). Native tests and the fuzzers use it
// in place of the platform's service.
#pragma once

#include <string>

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

  private:
    IniProfile() = default;
    void store(const std::string& text);

    std::string path_;
    bool inMemory_ = false;
    std::string memory_;
};
