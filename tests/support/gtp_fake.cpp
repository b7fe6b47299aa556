// A minimal GTP program that the transcript runner is tested against.
// Commands: name, echo WORDS, fail WORDS, noise (writes to stderr), quit.
#include <iostream>
#include <sstream>
#include <string>

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    std::string s;
    for (unsigned char ch : line) {
      if (ch == '#') break;
      if (ch == '\t') s += ' ';
      else if (ch >= 32 && ch != 127) s += static_cast<char>(ch);
    }
    std::istringstream in(s);
    std::string first, cmd, rest, id;
    if (!(in >> first)) continue;
    cmd = first;
    if (first.find_first_not_of("0123456789") == std::string::npos) {
      id = first.substr(std::min(first.find_first_not_of('0'), first.size() - 1));
      in >> cmd;
    }
    std::getline(in >> std::ws, rest);
    if (cmd == "name") std::cout << "=" << id << " fake\n\n";
    else if (cmd == "echo") std::cout << "=" << id << " " << rest << "\n\n";
    else if (cmd == "fail") std::cout << "?" << id << " " << rest << "\n\n";
    else if (cmd == "noise") std::cerr << "noise\n", std::cout << "=" << id << "\n\n";
    else if (cmd == "quit") {
      std::cout << "=" << id << "\n\n" << std::flush;
      return 0;
    } else std::cout << "?" << id << " unknown command\n\n";
    std::cout << std::flush;
  }
  return 0;
}
