#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

// Little-endian field readers over a block of bytes that check every length: a read past the end
// fails (and keeps failing), so a short or hostile file is refused instead of believed.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> dati) : m_dati(dati) {}

    bool ok() const { return m_ok; }
    std::size_t posizione() const { return m_pos; }
    std::size_t rimanenti() const { return m_ok ? m_dati.size() - m_pos : 0; }

    std::uint8_t u8();
    std::int32_t i32();
    double f64();
    // Copies n bytes; on a short read the destination is left untouched.
    bool bytes(void* destinazione, std::size_t n);
    template <std::size_t N> bool blocco(std::array<std::uint8_t, N>& destinazione)
    {
        return bytes(destinazione.data(), N);
    }

private:
    bool prendi(std::size_t n);

    std::span<const std::uint8_t> m_dati;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

// Appends little-endian fields to a growing block of bytes.
class ByteWriter
{
public:
    void u8(std::uint8_t v) { m_dati.push_back(v); }
    void i32(std::int32_t v);
    void f64(double v);
    void bytes(const void* sorgente, std::size_t n);
    template <std::size_t N> void blocco(const std::array<std::uint8_t, N>& sorgente)
    {
        bytes(sorgente.data(), N);
    }

    std::vector<std::uint8_t>& dati() { return m_dati; }
    const std::vector<std::uint8_t>& dati() const { return m_dati; }

private:
    std::vector<std::uint8_t> m_dati;
};
