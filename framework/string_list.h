#pragma once
// An ordered list of narrow strings, duplicates kept.
#include <string>
#include <vector>

class TStrings {
  public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual const std::string& operator[](int index) const = 0;
    virtual void Add(std::string line) = 0;
};

class TStringList final : public TStrings {
  public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines) : lines_(lines) {}

    int Count() const override { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const override {
        return lines_.at(static_cast<std::size_t>(index));
    }
    void Add(std::string line) override { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    std::vector<std::string> lines_;
};
