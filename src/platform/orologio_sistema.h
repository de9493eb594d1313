#pragma once

#include "core/orologio.h"

// The computer's local clock.
class OrologioSistema final : public Orologio
{
public:
    DataOra adesso() const override;
    std::uint64_t millisecondi() const override;
};
