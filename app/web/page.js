// The page around the game: starts it in #screen, offers hs.hsd and its
// backups for download, byte for byte, and lets the player load a table of
// their own, which the game takes as it takes a save.
'use strict';

const game = {
  qtContainerElements: [document.getElementById('screen')],
  address: 0,  // the running game, for the calls the page makes
  zentapLinked(address) {
    this.address = address;
    document.getElementById('bring-in').disabled = false;
  },
  // Downloaded and started: the game's own windows take over from here.
  onRuntimeInitialized() {
    document.getElementById('status').hidden = true;
  },
  zentapPainted() {
    window.zentapFirstPaint = performance.now();
  },
};

// Keys go to the game once the player is back in it: Qt keeps a press on
// its canvas from moving the keyboard there, so a key after a download would
// still press the page's button.
const gameCanvas = () => document.querySelector('#screen canvas');
document.getElementById('screen').addEventListener('pointerdown', () => gameCanvas()?.focus(), true);

// Qt's event loop takes over from the start by throwing "unwind" past the
// page, once the load error of a first start has been answered: no error.
window.addEventListener('error', (event) => {
  if (event.error === 'unwind')
    event.preventDefault();
});

function startGame() {
  createQtAppInstance(game).catch((error) => {
    const status = document.getElementById('status');
    status.textContent = 'Zentap3 could not start: ' + error;
    status.hidden = false;
  });
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  gameCanvas()?.focus();
}

// The list is read from the folder each time it opens, so it shows the
// backups of the last save too.
document.getElementById('files').addEventListener('toggle', (event) => {
  const list = document.getElementById('file-list');
  list.replaceChildren();
  if (!event.target.open || !game.zentapFiles)
    return;
  const files = game.zentapFiles().sort((a, b) => (a.name === 'hs.hsd' ? -1 : b.name === 'hs.hsd' ? 1 : a.name.localeCompare(b.name)));
  for (const file of files) {
    const item = document.createElement('li');
    const button = document.createElement('button');
    button.textContent = `${file.name} (${file.bytes.length} bytes)`;
    button.addEventListener('click', () => download(file.name, file.bytes));
    item.append(button);
    list.append(item);
  }
  if (files.length === 0)
    list.textContent = 'No hs.hsd yet.';
});

document.getElementById('bring-in').addEventListener('change', async (event) => {
  const file = event.target.files[0];
  event.target.value = '';
  if (file)
    game.zentapBringIn(game.address, new Uint8Array(await file.arrayBuffer()));
  gameCanvas()?.focus();
});
