// The page around the game: it finds the board, starts the game on it and
// shows how it ended; window.tabuleiro2 tells scripts and embedding pages
// where the game is.
'use strict';
window.tabuleiro2 = situacao;
// Keys that never scroll the page.
const TECLAS_DO_JOGO = new Set(['Escape', 'Space', 'ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown']);
let tabuleiro = null; // the board's bytes, kept to play again

// Starts a new game on the board's bytes (null: no board file at all), or
// on what a promise of them gives; the program loads meanwhile.
function jogar(bytes) {
  document.getElementById('fim').hidden = true;
  Promise.resolve(bytes).then((b) => { tabuleiro = b; });
  rodar(criar_tabuleiro2, {
    ativo: 'jogando',
    arquivos: { 'tabuleiro.map': bytes },
    fim: (saida) => texto('fim', saida),
  });
}

// The board of the page's address: ?celulas=, ?tabuleiro=URL, or the
// sample one; null when it cannot be fetched, so that the game says so.
function tabuleiro_da_pagina() {
  const busca = new URLSearchParams(location.search);
  const do_link = busca.get('celulas');
  if (do_link === null) return buscar(busca.get('tabuleiro') || 'tabuleiros/tabuleiro.map');
  if (UM_TABULEIRO.test(do_link)) return tabuleiro_das_celulas(do_link);
  situacao.estado = 'terminou';
  mostrar_fim(texto('link_ruim'));
  return undefined;
}

for (const e of document.querySelectorAll('.toque')) e.hidden = !matchMedia('(pointer: coarse)').matches;
quando_mostrada(() => {
  traduzir();
  ouvir_teclado(TECLAS_DO_JOGO);
  ouvir_ponteiro();
  ouvir_botoes(document.querySelectorAll('[data-tecla]'));
  ouvir_tela_cheia(document.getElementById('tela_cheia'), document.getElementById('palco'));
  ouvir_controle();
  ouvir_arquivos((arquivo, bytes) => jogar(bytes));
  document.getElementById('de_novo').addEventListener('click', () => jogar(tabuleiro));
});
const inicial = tabuleiro_da_pagina();
if (inicial !== undefined) jogar(inicial);
