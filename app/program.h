#pragma once
// The program from start to end on the given services; returns the exit code. The command
// line is not looked at.
struct Platform;

int RunProgram(const Platform& platform);
