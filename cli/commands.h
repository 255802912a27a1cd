// The commands of vigilon-oss-cli. Each returns the exit status: 0 success,
// 1 failure (its messages have been printed).
#pragma once

#include <cstdio>
#include <string>

int CommandRead(const std::string& portName, const std::string& file);
int CommandWrite(const std::string& portName, const std::string& file);
int CommandInfo(const std::string& portName, std::FILE* out);
int CommandCalibrate(const std::string& portName);
int CommandReadCalibration(const std::string& portName, std::FILE* out);
int CommandShow(const std::string& file, std::FILE* out);
int CommandPorts(std::FILE* out);
