#pragma once

// How much runs at once, from the settings.
namespace RunLimits {

// Fragments of a DASH or HLS format in flight at once ("concurrentFragments",
// 1–16; 4 when unset).
int concurrentFragments();
// `value` brought into 1–16.
int clampedFragments(int value);
// Downloads at once ("maxConcurrentDownloads"): 0 for no limit, else 1–16;
// 4 when unset.
int maxConcurrentDownloads();
// Information runs at once: a few per processor, so that each finishes well
// within its time limit.
int maxConcurrentInfoRuns();

} // namespace RunLimits
