#include "core/byte_io.h"

#include <bit>

static_assert(std::endian::native == std::endian::little, "the file layouts are little-endian images");

bool ByteReader::prendi(std::size_t n)
{
    if (!m_ok || n > m_dati.size() - m_pos) {
        m_ok = false;
        return false;
    }
    return true;
}

std::uint8_t ByteReader::u8()
{
    if (!prendi(1)) {
        return 0;
    }
    return m_dati[m_pos++];
}

std::int32_t ByteReader::i32()
{
    std::int32_t v = 0;
    bytes(&v, sizeof v);
    return v;
}

double ByteReader::f64()
{
    double v = 0;
    bytes(&v, sizeof v);
    return v;
}

bool ByteReader::bytes(void* destinazione, std::size_t n)
{
    if (!prendi(n)) {
        return false;
    }
    std::memcpy(destinazione, m_dati.data() + m_pos, n);
    m_pos += n;
    return true;
}

void ByteWriter::i32(std::int32_t v)
{
    bytes(&v, sizeof v);
}

void ByteWriter::f64(double v)
{
    bytes(&v, sizeof v);
}

void ByteWriter::bytes(const void* sorgente, std::size_t n)
{
    const auto* p = static_cast<const std::uint8_t*>(sorgente);
    m_dati.insert(m_dati.end(), p, p + n);
}
