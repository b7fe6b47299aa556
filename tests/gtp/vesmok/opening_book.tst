# With the generator pinned, the opening moves come from the books: on 9x9
# the centre point (the black book's best first move), then a white answer
# that the white book rates highest, then a black move the book knows; on
# 19x19 the first moves come from the fuseki library.
1 boardsize 9
#? []
2 clear_board
#? []
3 genmove b
#? [E5|F5|E6|D5|E4]
4 clear_board
#? []
5 play b E5
#? []
6 genmove w
#? [C4|C6|D3|D7|F3|F7|G4|G6]
7 boardsize 19
#? []
8 clear_board
#? []
9 genmove b
#? [Q16|R16|R17]
10 genmove w
#? [C3|C4|D3|D4|C16|C17|D16|D17|Q3|Q4|R3|R4|Q16|Q17|R16|R17|P16|P17|O17|R14|C14|F17]
