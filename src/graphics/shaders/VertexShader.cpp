#include "graphics/shaders/VertexShader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

enum eOpcode : UInt {
    OP_NOP = 0, OP_MOV = 1, OP_ADD = 2, OP_SUB = 3, OP_MAD = 4, OP_MUL = 5, OP_RCP = 6, OP_RSQ = 7,
    OP_DP3 = 8, OP_DP4 = 9, OP_MIN = 10, OP_MAX = 11, OP_SLT = 12, OP_SGE = 13, OP_EXP = 14, OP_LOG = 15,
    OP_LIT = 16, OP_DST = 17, OP_FRC = 19, OP_M4X4 = 20, OP_M4X3 = 21, OP_M3X4 = 22, OP_M3X3 = 23,
    OP_M3X2 = 24, OP_EXPP = 78, OP_LOGP = 79,
};

enum eRegisterType : UInt {
    REG_TEMPORARY = 0, REG_INPUT = 1, REG_CONSTANT = 2, REG_ADDRESS = 3, REG_RASTER_OUT = 4,
    REG_COLOUR_OUT = 5, REG_TEXTURE_OUT = 6,
};

const UInt VERSION_1_0 = 0xFFFE0100;
const UInt VERSION_1_1 = 0xFFFE0101;
const UInt END_TOKEN = 0x0000FFFF;
const UInt COMMENT = 0xFFFE;

// How many sources each instruction reads; 0 for one that is not in the set.
UInt sourceCount(UInt _opcode)
{
    switch (_opcode) {
    case OP_MOV: case OP_RCP: case OP_RSQ: case OP_EXP: case OP_LOG: case OP_LIT: case OP_FRC:
    case OP_EXPP: case OP_LOGP:
        return 1;
    case OP_MAD:
        return 3;
    case OP_ADD: case OP_SUB: case OP_MUL: case OP_DP3: case OP_DP4: case OP_MIN: case OP_MAX: case OP_SLT:
    case OP_SGE: case OP_DST: case OP_M4X4: case OP_M4X3: case OP_M3X4: case OP_M3X3: case OP_M3X2:
        return 2;
    default:
        return 0;
    }
}

// Rows a matrix instruction reads from its second source; 0 for the others.
UInt matrixRows(UInt _opcode)
{
    switch (_opcode) {
    case OP_M4X4: case OP_M3X4: return 4;
    case OP_M4X3: case OP_M3X3: return 3;
    case OP_M3X2: return 2;
    default: return 0;
    }
}

UInt registerType(UInt _token)
{
    return ((_token >> 28) & 0x7) | ((_token >> 8) & 0x18);
}

UInt registerLimit(UInt _type, Bool _destination)
{
    switch (_type) {
    case REG_TEMPORARY: return cVertexShader::TEMPORARY_COUNT;
    case REG_INPUT: return _destination ? 0 : cVertexShader::INPUT_COUNT;
    case REG_CONSTANT: return _destination ? 0 : cVertexShader::CONSTANT_COUNT;
    case REG_ADDRESS: return _destination ? 1 : 0;
    case REG_RASTER_OUT: return _destination ? 3 : 0;
    case REG_COLOUR_OUT: return _destination ? cVertexShader::COLOUR_OUTPUT_COUNT : 0;
    case REG_TEXTURE_OUT: return _destination ? cVertexShader::TEXTURE_OUTPUT_COUNT : 0;
    default: return 0;
    }
}

cVertexShader::tVector splat(Float _value)
{
    return {_value, _value, _value, _value};
}

Float dot(const cVertexShader::tVector& _a, const cVertexShader::tVector& _b, UInt _count)
{
    Float sum = 0;
    for (UInt i = 0; i < _count; ++i)
        sum += _a[i] * _b[i];
    return sum;
}

Float reciprocal(Float _value)
{
    if (_value == 1)
        return 1;
    return _value == 0 ? std::numeric_limits<Float>::infinity() : 1 / _value;
}

Float reciprocalRoot(Float _value)
{
    _value = std::fabs(_value);
    if (_value == 1)
        return 1;
    return _value == 0 ? std::numeric_limits<Float>::infinity() : 1 / std::sqrt(_value);
}

Float log2Abs(Float _value)
{
    _value = std::fabs(_value);
    return _value == 0 ? -std::numeric_limits<Float>::infinity() : std::log2(_value);
}

cVertexShader::tVector lighting(const cVertexShader::tVector& _source)
{
    // The specular power is clamped to what 8.8 fixed point held on the first hardware.
    const Float power = std::clamp(_source[3], -127.9961f, 127.9961f);
    cVertexShader::tVector result = {1, 0, 0, 1};
    if (_source[0] > 0) {
        result[1] = _source[0];
        if (_source[1] > 0)
            result[2] = std::pow(_source[1], power);
    }
    return result;
}

cVertexShader::tVector partialExp(Float _value)
{
    const Float whole = std::floor(_value);
    return {std::exp2(whole), _value - whole, std::exp2(_value), 1};
}

cVertexShader::tVector partialLog(Float _value)
{
    _value = std::fabs(_value);
    if (_value == 0)
        return {-std::numeric_limits<Float>::infinity(), 1, -std::numeric_limits<Float>::infinity(), 1};
    const Float exponent = std::floor(std::log2(_value));
    return {exponent, _value / std::exp2(exponent), std::log2(_value), 1};
}

} // namespace

struct cVertexShader::sMachine {
    const tVector* constants;
    sVertexIO* io;
    tVector temporaries[TEMPORARY_COUNT] = {};
    Int address = 0;
};

cVertexShader::sSource cVertexShader::readSource(UInt _token)
{
    sSource source;
    source.type = registerType(_token);
    source.index = _token & 0x7FF;
    for (int channel = 0; channel < 4; ++channel)
        source.swizzle[channel] = (unsigned char)((_token >> (16 + 2 * channel)) & 0x3);
    source.negate = ((_token >> 24) & 0xF) == 1;
    source.relative = (_token & 0x2000) != 0;
    return source;
}

cVertexShader::sDestination cVertexShader::readDestination(UInt _token)
{
    sDestination destination;
    destination.type = registerType(_token);
    destination.index = _token & 0x7FF;
    destination.mask = (_token >> 16) & 0xF;
    destination.saturate = ((_token >> 20) & 0xF) == 1;
    return destination;
}

cVertexShader::cVertexShader(const void* _bytes, std::size_t _size)
{
    const std::size_t count = _bytes ? _size / 4 : 0;
    std::vector<UInt> tokens(count);
    if (count)
        std::memcpy(tokens.data(), _bytes, count * 4);
    if (count == 0 || (tokens[0] != VERSION_1_0 && tokens[0] != VERSION_1_1))
        throw String("Not a vertex shader of version 1.0 or 1.1.");
    std::size_t at = 1;
    for (;;) {
        if (at >= count)
            throw String("The vertex shader has no end.");
        const UInt token = tokens[at++];
        if (token == END_TOKEN)
            return;
        const UInt opcode = token & 0xFFFF;
        if (opcode == COMMENT) {
            at += (token >> 16) & 0x7FFF;
            continue;
        }
        if (opcode == OP_NOP)
            continue;
        const UInt sources = sourceCount(opcode);
        if (sources == 0)
            throw "Unknown vertex shader instruction " + std::to_string(opcode) + ".";
        if (count - at < 1 + sources)
            throw String("The vertex shader has no end.");
        sInstruction instruction;
        instruction.opcode = opcode;
        instruction.destination = readDestination(tokens[at++]);
        // A matrix instruction writes only the channels it has rows for.
        if (const UInt rows = matrixRows(opcode))
            instruction.destination.mask &= (1u << rows) - 1;
        const sDestination& out = instruction.destination;
        if (out.index >= registerLimit(out.type, true) || (out.type == REG_ADDRESS && opcode != OP_MOV))
            throw String("A vertex shader instruction writes a register that does not exist.");
        for (UInt i = 0; i < sources; ++i) {
            const sSource in = readSource(tokens[at++]);
            const UInt rows = i == 1 ? std::max(matrixRows(opcode), 1u) : 1;
            const Bool inRange = in.relative ? in.type == REG_CONSTANT
                                             : in.index + rows <= registerLimit(in.type, false);
            if (!inRange)
                throw String("A vertex shader instruction reads a register that does not exist.");
            instruction.sources[i] = in;
        }
        m_program.push_back(instruction);
    }
}

cVertexShader::tVector cVertexShader::fetch(const sMachine& _machine, const sSource& _source, UInt _offset) const
{
    tVector value{};
    const UInt index = _source.index + _offset;
    switch (_source.type) {
    case REG_TEMPORARY: value = _machine.temporaries[index]; break;
    case REG_INPUT: value = _machine.io->inputs[index]; break;
    default: {
        // A relative address outside the constants reads zero, as the hardware did.
        const Int relative = _source.relative ? Int(index) + _machine.address : Int(index);
        if (relative >= 0 && relative < Int(CONSTANT_COUNT))
            value = _machine.constants[relative];
        break;
    }
    }
    tVector result;
    for (int channel = 0; channel < 4; ++channel)
        result[channel] = _source.negate ? -value[_source.swizzle[channel]] : value[_source.swizzle[channel]];
    return result;
}

void cVertexShader::store(sMachine& _machine, const sDestination& _destination, const tVector& _value) const
{
    if (_destination.type == REG_ADDRESS) {
        // Anything far outside the constants (or no number at all) addresses none of them.
        const Float address = std::floor(_value[0]);
        _machine.address = address >= -1024 && address <= 1024 ? Int(address) : Int(CONSTANT_COUNT) + 1024;
        return;
    }
    tVector* target = nullptr;
    Float* scalar = nullptr;
    switch (_destination.type) {
    case REG_TEMPORARY: target = &_machine.temporaries[_destination.index]; break;
    case REG_COLOUR_OUT: target = &_machine.io->colours[_destination.index]; break;
    case REG_TEXTURE_OUT: target = &_machine.io->textures[_destination.index]; break;
    default:
        if (_destination.index == 0)
            target = &_machine.io->position;
        else
            scalar = _destination.index == 1 ? &_machine.io->fog : &_machine.io->pointSize;
        break;
    }
    for (int channel = 0; channel < 4; ++channel) {
        if (!(_destination.mask & (1u << channel)))
            continue;
        const Float value = _destination.saturate ? std::clamp(_value[channel], 0.0f, 1.0f) : _value[channel];
        if (target)
            (*target)[channel] = value;
        else if (channel == 0)
            *scalar = value;
    }
}

cVertexShader::tVector cVertexShader::execute(const sMachine& _machine, const sInstruction& _instruction) const
{
    const tVector a = fetch(_machine, _instruction.sources[0]);
    const UInt rows = matrixRows(_instruction.opcode);
    if (rows) {
        // Each row is the next register after the second source's.
        const UInt width = _instruction.opcode == OP_M4X4 || _instruction.opcode == OP_M4X3 ? 4 : 3;
        tVector result{};
        for (UInt row = 0; row < rows; ++row)
            result[row] = dot(a, fetch(_machine, _instruction.sources[1], row), width);
        return result;
    }
    const UInt sources = sourceCount(_instruction.opcode);
    const tVector b = sources > 1 ? fetch(_machine, _instruction.sources[1]) : tVector{};
    const tVector c = sources > 2 ? fetch(_machine, _instruction.sources[2]) : tVector{};
    tVector result{};
    switch (_instruction.opcode) {
    case OP_MOV: return a;
    case OP_RCP: return splat(reciprocal(a[3]));
    case OP_RSQ: return splat(reciprocalRoot(a[3]));
    case OP_EXP: return splat(std::exp2(a[3]));
    case OP_LOG: return splat(log2Abs(a[3]));
    case OP_EXPP: return partialExp(a[3]);
    case OP_LOGP: return partialLog(a[3]);
    case OP_LIT: return lighting(a);
    case OP_DP3: return splat(dot(a, b, 3));
    case OP_DP4: return splat(dot(a, b, 4));
    case OP_DST: return {1, a[1] * b[1], a[2], b[3]};
    default: break;
    }
    for (int i = 0; i < 4; ++i) {
        switch (_instruction.opcode) {
        case OP_ADD: result[i] = a[i] + b[i]; break;
        case OP_SUB: result[i] = a[i] - b[i]; break;
        case OP_MUL: result[i] = a[i] * b[i]; break;
        case OP_MAD: result[i] = a[i] * b[i] + c[i]; break;
        case OP_MIN: result[i] = std::min(a[i], b[i]); break;
        case OP_MAX: result[i] = std::max(a[i], b[i]); break;
        case OP_SLT: result[i] = a[i] < b[i] ? 1.0f : 0.0f; break;
        case OP_SGE: result[i] = a[i] >= b[i] ? 1.0f : 0.0f; break;
        case OP_FRC: result[i] = a[i] - std::floor(a[i]); break;
        default: break;
        }
    }
    return result;
}

void cVertexShader::run(const tVector* _constants, sVertexIO& _io) const
{
    _io.position = {0, 0, 0, 1};
    for (tVector& colour : _io.colours)
        colour = splat(1);
    for (tVector& texture : _io.textures)
        texture = {0, 0, 0, 1};
    sMachine machine{_constants, &_io};
    for (const sInstruction& instruction : m_program)
        store(machine, instruction.destination, execute(machine, instruction));
}
