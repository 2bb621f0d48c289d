// Reads a window's accessible object from another process, as a screen
// reader does (AccessibleObjectFromWindow, then IAccessible calls that COM
// carries across), so the e2e tests compare what a reader meets with their
// tables. Texts are printed as hex bytes of the ANSI code page (1251).
//   accprobe CLASS [title PREFIX]               prints the object and its children
//   accprobe CLASS [title PREFIX] click CHILD   carries out CHILD's default action
// One line for the window's client object (id 0) and one per child; after a
// child that is a list, one line per entry:
//   child|entry <TAB> id <TAB> name <TAB> role <TAB> state (hex) <TAB> value
//               <TAB> left top width height (screen) <TAB> default action
//   clicked <TAB> id <TAB> result (hex)
// Exit code 0; 1 usage; 2 no such window; 3 no accessible object; 4 the click failed.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/programs/hex_text.h"
#include "toolkit/accessible_iid.h"

namespace {

struct Request {
  std::string className;
  std::string titlePrefix;
  long click = -1;
  HWND window = nullptr;
};

// Takes the string and frees it; null (S_FALSE, no text) reads as empty.
std::string Narrow(BSTR text) {
  if (!text) return std::string();
  int length = static_cast<int>(SysStringLen(text));
  std::string narrow(static_cast<size_t>(length) * 2 + 1, '\0');
  int written = WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(),
                                    static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<size_t>(written) : 0);
  SysFreeString(text);
  return narrow;
}

VARIANT ChildId(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

long Number(IAccessible* object, long id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT number;
  VariantInit(&number);
  (object->*get)(ChildId(id), &number);
  long value = number.vt == VT_I4 ? number.lVal : -1;
  VariantClear(&number);
  return value;
}

std::string Text(IAccessible* object, long id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  BSTR text = nullptr;
  (object->*get)(ChildId(id), &text);
  return Narrow(text);
}

void PrintElement(const char* kind, IAccessible* object, long id) {
  LONG left = 0, top = 0, width = 0, height = 0;
  object->accLocation(&left, &top, &width, &height, ChildId(id));
  std::printf("%s\t%ld\t%s\t%ld\t%lx\t%s\t%ld %ld %ld %ld\t%s\n", kind, id,
              Hex(Text(object, id, &IAccessible::get_accName)).c_str(),
              Number(object, id, &IAccessible::get_accRole),
              static_cast<unsigned long>(Number(object, id, &IAccessible::get_accState)),
              Hex(Text(object, id, &IAccessible::get_accValue)).c_str(), left, top, width, height,
              Hex(Text(object, id, &IAccessible::get_accDefaultAction)).c_str());
}

// A child with an object of its own (a list): its entries follow its line.
void PrintEntries(IAccessible* parent, long id) {
  IDispatch* child = nullptr;
  if (parent->get_accChild(ChildId(id), &child) != S_OK || !child) return;
  IAccessible* list = nullptr;
  child->QueryInterface(kAccessibleInterface, reinterpret_cast<void**>(&list));
  child->Release();
  if (!list) return;
  LONG count = 0;
  list->get_accChildCount(&count);
  for (long entry = 1; entry <= count; ++entry) PrintElement("entry", list, entry);
  list->Release();
}

void PrintObject(IAccessible* client) {
  LONG count = 0;
  client->get_accChildCount(&count);
  PrintElement("child", client, CHILDID_SELF);
  for (long id = 1; id <= count; ++id) {
    PrintElement("child", client, id);
    PrintEntries(client, id);
  }
}

BOOL CALLBACK Match(HWND window, LPARAM data) {
  auto* request = reinterpret_cast<Request*>(data);
  char className[256] = "", title[512] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  if (!IsWindowVisible(window) || request->className != className) return TRUE;
  if (std::string(title).rfind(request->titlePrefix, 0) != 0) return TRUE;
  request->window = window;
  return FALSE;
}

bool Parse(int argc, char** argv, Request& request) {
  if (argc < 2) return false;
  request.className = argv[1];
  for (int i = 2; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "title") {
      request.titlePrefix = argv[i + 1];
    } else if (option == "click") {
      request.click = std::strtol(argv[i + 1], nullptr, 10);
    } else {
      return false;
    }
  }
  return argc % 2 == 0;
}

int Probe(const Request& request) {
  IAccessible* client = nullptr;
  AccessibleObjectFromWindow(request.window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                             reinterpret_cast<void**>(&client));
  if (!client) return 3;
  int code = 0;
  if (request.click >= 0) {
    HRESULT result = client->accDoDefaultAction(ChildId(request.click));
    std::printf("clicked\t%ld\t%08lx\n", request.click, static_cast<unsigned long>(result));
    code = SUCCEEDED(result) ? 0 : 4;
  } else {
    PrintObject(client);
  }
  client->Release();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  Request request;
  if (!Parse(argc, argv, request)) {
    std::fprintf(stderr, "usage: accprobe CLASS [title PREFIX] [click CHILD]\n");
    return 1;
  }
  EnumWindows(Match, reinterpret_cast<LPARAM>(&request));
  if (!request.window) return 2;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = Probe(request);
  CoUninitialize();
  return code;
}
