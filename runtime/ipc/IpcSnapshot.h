// lyrIpc snapshot (key variant): copies the block named on the command line and releases it
// at once.
#pragma once

// Attaches as lyrIpcAttachKey, copies the block's dataSize bytes and detaches again.
// With *buffer not null the bytes go there (the caller guarantees room for them); otherwise a
// new buffer is made and stored into *buffer: with std::malloc for bank 0 (release it with
// std::free), else tracked by lyrMemAlloc in that bank (release it with lyrMemFree).
// 0; -4 or 3 from attaching; -1 when no buffer could be had (the block is detached again);
// 2 when detaching failed (the copy was made). When the copy was made and `copied` is not null,
// the number of bytes copied is stored there, so that the caller knows how much it holds.
int lyrIpcSnapshot(int argc, const char* const* argv, void** buffer, int bank, int* copied = nullptr);
