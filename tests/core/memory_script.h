// Script input and output over memory, for tests of the script format.
#pragma once

#include <string>

#include "script/script_format.h"

class MemoryScriptInput : public ScriptInput {
public:
    explicit MemoryScriptInput(std::string data) : data_(std::move(data)) {}
    bool ReadByte(char& byte) override
    {
        if (pos_ >= data_.size())
            return false;
        byte = data_[pos_++];
        return true;
    }
    void StepBack() override { --pos_; }

private:
    std::string data_;
    size_t pos_ = 0;
};

class MemoryScriptOutput : public ScriptOutput {
public:
    void Write(const std::string& bytes) override { text += bytes; }
    std::string text;
};
