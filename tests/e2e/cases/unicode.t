# Text beyond ASCII (two-, three- and four-byte UTF-8) passes unchanged
# through the command line, the environment and batch files, and comes out
# as UTF-8, on every system the shell is built for.

$ torvane -c "echo Grüße € 𝄞"
  Grüße € 𝄞

$ GREETING='Grüße € 𝄞' torvane -c "echo [%GREETING]"
  [Grüße € 𝄞]

$ printf 'echo Grüße €\r\nset WORD=𝄞\r\necho [%%WORD]\r\n' > batch.bat; torvane batch.bat
  Grüße €
  [𝄞]
