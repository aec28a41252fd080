#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel::content {

// ActionScript 1 byte code for a movie's frame actions, written action by action.
// Branches take the size of the code they jump over, so blocks are built first
// and put together after.
class TAvm1Code {
public:
    enum TOp : uint8_t {
        opAdd2 = 0x47,
        opEquals2 = 0x49,
        opNot = 0x12,
        opPop = 0x17,
        opCallFunction = 0x3D,
        opNewObject = 0x40,
        opGetVariable = 0x1C,
        opSetVariable = 0x1D,
        opGetMember = 0x4E,
        opSetMember = 0x4F,
        opCallMethod = 0x52,
        opNewMethod = 0x53,
        opStop = 0x07,
    };

    TAvm1Code& Op(TOp op);
    TAvm1Code& PushString(const std::string& text);
    TAvm1Code& PushInt(int32_t value);
    TAvm1Code& PushBool(bool value);
    TAvm1Code& PushNull();
    // Loads the address into the target (a window name, "_level1", a clip's path).
    TAvm1Code& GetUrl(const std::string& url, const std::string& target);
    // The same with the address and then the target popped from the stack.
    TAvm1Code& GetUrlFromStack();
    // Pushes a function of the named parameters whose body is the code given.
    TAvm1Code& Function(const std::vector<std::string>& params, const TAvm1Code& body);
    // Goes to the frame (0 for the first).
    TAvm1Code& GotoFrame(int frame);
    // Jumps over the next skip bytes when the value popped is true (If), or always.
    TAvm1Code& If(int skip);
    TAvm1Code& Jump(int skip);
    TAvm1Code& Append(const TAvm1Code& other);

    int Size() const { return static_cast<int>(m_bytes.size()); }
    const std::string& Bytes() const { return m_bytes; }

    // The sizes of a branch action, for working out offsets.
    static constexpr int kBranchSize = 5;

private:
    TAvm1Code& Long(uint8_t code, const std::string& payload);

    std::string m_bytes;
};

} // namespace tessel::content
