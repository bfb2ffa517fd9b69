#pragma once
// A fresh folder under the user's temporary folder, removed with everything in it.
#include "platform/win32/Handles.h"

#include <stdexcept>
#include <string>

namespace porutena {

class TTempFolder {
public:
    explicit TTempFolder(const std::string& prefix) {
        char temp[MAX_PATH + 1];
        const DWORD length = GetTempPathA(sizeof temp, temp);
        if (length == 0 || length > MAX_PATH)
            throw std::runtime_error("GetTempPathA failed");
        for (DWORD n = GetTickCount();; ++n) {
            FPath = temp + prefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
            if (CreateDirectoryA(FPath.c_str(), nullptr))
                return;
            if (GetLastError() != ERROR_ALREADY_EXISTS)
                throw std::runtime_error("CreateDirectoryA failed: " + FPath);
        }
    }
    ~TTempFolder() { RemoveTree(FPath); }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::string& Path() const { return FPath; }

    // `relative` below the folder; the parent must exist.
    void MakeDirectory(const std::string& relative) const {
        const std::string path = FPath + "\\" + relative;
        if (!CreateDirectoryA(path.c_str(), nullptr))
            throw std::runtime_error("CreateDirectoryA failed: " + path);
    }
    void MakeFile(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
        const std::string path = FPath + "\\" + relative;
        const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            throw std::runtime_error("CreateFileA failed: " + path);
        CloseHandle(file);
    }

private:
    static void RemoveTree(const std::string& path) {
        {
            WIN32_FIND_DATAA data;
            const TFindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
            for (bool more = static_cast<bool>(find); more;
                 more = FindNextFileA(find.Get(), &data)) {
                const std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string child = path + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            }
        }
        RemoveDirectoryA(path.c_str());
    }

    std::string FPath;
};

} // namespace porutena
