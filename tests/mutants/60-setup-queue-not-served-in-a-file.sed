# a Cancel during a file waits for the file's end and its question
# file: setup/progress.cpp
83s/if (now != QueueServed) {/if (size == 0) {/
