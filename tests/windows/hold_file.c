// Holds a file open the way a virus scanner or a backup does for a moment: sharing it with no one
// ("none"), or with readers only ("read"), until standard input ends. Prints "held" once it is.
// Usage: hold_file.exe none|read FILE
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 || (wcscmp(argv[1], L"none") != 0 && wcscmp(argv[1], L"read") != 0)) {
    fputs("usage: hold_file.exe none|read FILE\n", stderr);
    return 2;
  }
  const DWORD share = wcscmp(argv[1], L"read") == 0 ? FILE_SHARE_READ : 0;
  HANDLE file =
      CreateFileW(argv[2], GENERIC_READ, share, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "hold_file: cannot open the file (error %lu)\n", GetLastError());
    return 1;
  }
  puts("held");
  fflush(stdout);
  char buffer[256];
  DWORD count = 0;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  while (ReadFile(input, buffer, sizeof buffer, &count, NULL) && count > 0) {
  }
  CloseHandle(file);
  return 0;
}
