// Background music (unit Vantrel_BGM): an audio CD through MCI's "cdaudio"
// device, an MP3 file through MCI's MPEGVideo device, or a looping WAV
// through PlaySound. Commands, replies and file paths are UTF-8 texts here
// (the seam passes them to the wide entry points). All failures stay inside
// the unit.
#pragma once

#include <cstdint>
#include <string>

#include "host/music/music_platform.h"

namespace vantrel {

// True (-1) while the CD can still be watched; set by CD_Watch.
extern std::int16_t CD_Watching;
// The reply or error text of the last command sent through MCI_Ask or CD_Play.
extern std::string MCI_Reply;

// PlaySound flags: SND_ASYNC | SND_LOOP.
const std::uint32_t kWavLoopFlags = 9;

// Sends one command with a 512-byte reply buffer; reply gets the answer or
// the error's text. Returns the MCI result, or -1 for an empty command.
std::int32_t MCI_Send(MusicPlatform& mci, const std::string& command, std::string& reply);
// The reply to command, or "Error:<code>" when it fails.
std::string MCI_Ask(MusicPlatform& mci, const std::string& command);
// "play <device>[ from <from>][ to <to>]"; returns the MCI result.
std::int32_t CD_Play(MusicPlatform& mci, const std::string& device, const std::string& from,
                     const std::string& to);

void CD_Open(MusicPlatform& mci);
void CD_Watch(MusicPlatform& mci, std::int16_t track);
void CD_Close(MusicPlatform& mci);

// file: the sound file's path in UTF-8.
void MP3_OpenPlay(MusicPlatform& mci, const std::string& file);
bool MP3_IsPlaying(MusicPlatform& mci);
void MP3_Watch(MusicPlatform& mci);
void MP3_Close(MusicPlatform& mci);

void WAV_PlayLoop(MusicPlatform& mci, const std::string& file);
void WAV_Stop(MusicPlatform& mci);

}  // namespace vantrel
