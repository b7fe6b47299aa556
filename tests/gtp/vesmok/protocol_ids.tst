# Protocol layer: ids, words, comments, fixed replies.
1 name
#? [Molvane]
2 protocol_version
#? [2]
3 version
#? [3\.1\.5\.7, level 7]
007 name
#? [Molvane]
0 name
#? [Molvane]
00 name
#? [Molvane]
99999999999999999999999 name
#? [Molvane]
   8 name
#? [Molvane]
  	9 name  
#? [Molvane]
10 name # a comment after the command
#? [Molvane]
# a line holding only a comment gets no reply
11 name#comment glued to the word
#? [Molvane]
12
#? [\?unknown command]
13 # only an id before the comment
#? [\?unknown command]
14 NAME
#? [\?unknown command]
15 Name
#? [\?unknown command]
16 resign
#? [\?unknown command]
17 list	commands
#? [\?unknown command]
18 name extra words are ignored
#? [Molvane]
name
19 protocol_version
#? [2]
20 name
#? [Molvane]
21 name
#? [Molvane]
22 13 name
#? [\?unknown command]
23 quit
#? []
24 name
