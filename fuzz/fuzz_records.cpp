// The saved list's texts: an item's formats and its media choices.
#include "FuzzInput.h"

#include "engine/MediaChoices.h"
#include "store/ItemRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    (void)ItemRecord::formatsText(ItemRecord::formatsFrom(text));
    (void)ItemMedia::fromText(text);
    return 0;
}
