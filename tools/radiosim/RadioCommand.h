#pragma once

// What the radio recognises in the bytes it receives.
enum class RadioCommandKind { Hello, Acknowledgement, Read, Write, Exit, Aging };
