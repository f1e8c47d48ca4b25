#include "core/generation/StrengthModel.h"

#include "core/generation/GenerationOptions.h"

StrengthModel::Figure StrengthModel::of(const GenerationOptions &)
{
    return {};
}

double StrengthModel::outputBits(const GenerationOptions &)
{
    return 0;
}

double StrengthModel::inputBits(const GenerationOptions &)
{
    return 0;
}
