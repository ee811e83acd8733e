#pragma once

// The lowest address of the calling thread's stack reservation (VirtualQuery
// of the current frame's allocation), for StackRoomLeft.
const void* Win32StackFloor();
