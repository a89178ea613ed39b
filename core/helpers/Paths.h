#pragma once
// Splitting names out of paths and asking whether a path exists. "\" and "/"
// both separate folders; ":" ends a drive only in a path without any "/".
#include <string>

namespace velvara::core {

std::string fileNameOfPath(const std::string& path);
std::string stripExtension(const std::string& name);
std::string getFileName(const std::string& path, bool withExtension);
bool pathExists(const std::string& path);

}  // namespace velvara::core
