#pragma once

class DownloadManager;

// A list of videos as the main view shows it half-way through "Download
// all": entries done, failed, downloading, fetching, waiting and listed.
void stageGroup(DownloadManager &manager);
