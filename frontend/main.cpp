// Program entry of Vesmok.
int main() { return 0; }
